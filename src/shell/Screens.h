#pragma once

#include <cstdint>

class Screen;
class screenMenu;
class clsLvlSrc;
class clsGameIntf;
class clsHscore;
class clsWaiting;
class clsWinDlg;
class clsHelpsrc;
class clsPause;
class clsStage;
class clsGameOver;
class clsConfirmDialog;

// One instance of each screen and dialog, made on first use and kept for the run.
screenMenu& Menu();
clsLvlSrc& LvlSrc();
clsGameIntf& GameIntf();
clsHscore& Hscore();
clsWaiting& Waiting();
clsWinDlg& WinDlg();
clsHelpsrc& Helpsrc();
clsPause& PauseDlg();
clsStage& StageDlg();
clsGameOver& GameOverDlg();
clsConfirmDialog& ConfirmDlg();

// The object that CurrentScreen names, or none for an unknown id.
Screen* ScreenFor(int16_t id);

// Drops every screen object so the next use makes a fresh one (tests).
void ResetScreens();
