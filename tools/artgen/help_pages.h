#pragma once

// The text of the six help pages, kept here in plain words so it is easy to
// read and correct; HelpPages.cpp lays it out and draws it.
//
// Markup, one element per line:
//   # Title            the page title (first line)
//   ## Heading         a heading
//   - text             a bullet point
//   [Key] [Key] :: text  keyboard keys and what they do
//   | a | b | c        a table row (the first row is the header)
//   @name              a picture: @boards or @pad
//   ||                 go on in the right-hand column
//   any other line     a paragraph; **text** is bold
//   an empty line      a little space

namespace art::help {

inline constexpr const char* kPages[] = {
    R"(# How to play
## The rule
Fill every empty cell of the 9 × 9 board with a digit from 1 to 9 so that each **row**, each **column** and each **region** holds every digit exactly once.

The given digits are **grey** and cannot be changed; the digits you enter are **white**.
## Two kinds of board
**Regular**: the nine regions are the 3 × 3 boxes, shown in two alternating shades.

**Nonomino**: the nine regions are irregular shapes of nine connected cells. Each region has its own shade and texture.
||
@boards
Fill the last cell correctly and the puzzle is solved. Every puzzle is made new when a game starts, so no two games are alike.

Start a game with **BEGIN GAME** on the title screen: choose the level, the mode (Training or Challenge) and, for Training, the kind of board, then click **OK**.)",

    R"(# Training and Challenge
## Training
One puzzle of the kind and level you chose; the clock counts up from 00:00:00. The level sets how many digits are given: **Easy** 41, **Normal** 32, **Hard** 27.
Your shortest time on each level is kept as a best record. Beat it and you are asked for your name.
## Challenge
Ten stages in a row, each against a time limit. A bar and the seconds left are shown where the clock is. If the time runs out, the challenge is over. Each stage is announced first; its clock starts when you click **Continue**.

**Score**: 1000 for every completed stage, minus the seconds on the challenge clock. The best score for each level is kept.
||
The stages alternate Regular and Nonomino boards: Easy puzzles in stages 1–4, Normal in 5–8, Hard in 9–10. The level you choose shortens every time limit by 50 seconds (Normal) or 100 seconds (Hard). Time limits by the level you chose:
| Stage | Board | Puzzle | Easy | Normal | Hard
| 1 | Regular | Easy | 450 s | 400 s | 350 s
| 2 | Nonomino | Easy | 400 s | 350 s | 300 s
| 3 | Regular | Easy | 350 s | 300 s | 250 s
| 4 | Nonomino | Easy | 300 s | 250 s | 200 s
| 5 | Regular | Normal | 600 s | 550 s | 500 s
| 6 | Nonomino | Normal | 550 s | 500 s | 450 s
| 7 | Regular | Normal | 500 s | 450 s | 400 s
| 8 | Nonomino | Normal | 450 s | 400 s | 350 s
| 9 | Regular | Hard | 750 s | 700 s | 650 s
| 10 | Nonomino | Hard | 700 s | 650 s | 600 s)",

    R"(# Entering digits
## The number pad
Click an empty cell that was not given: the number pad opens over it.
- **1 to 9** write that digit into the cell.
- The **eraser** empties the cell.
- The **bulb** gives a hint; the small number beside it shows how many hints are left.
- The **pencil** switch turns digits into pencil marks; it stays as you set it.
A **right click**, or a click outside the pad, closes it without a change.
## Clashes
A digit that already stands in the same row, column or region is refused: the cell that holds it **flashes red** and a click sounds. Your cell keeps what it had.
||
@pad
Turn on **Pad assist** to see at once which digits fit: the pad greys out the others.)",

    R"(# Pencil, hints and options
## Pencil marks
Tick the pencil switch, then choose digits: each is noted small in the cell, or taken away if it is there. Marks are notes to yourself, not entries. Several marks stand in three rows, 1 at top left. A digit entered takes its marks away from its row, column and region. **M** fills every empty cell with the digits it can take. The switch stays as you set it until a new game, a restart or a load.
## Hints
Three per game. A hint writes a digit that fits your board as it stands, even on a path of your own. If an entry of yours leaves no answer, the hint flashes it instead and is not used up.
## The eraser
Empties the cell: its entry and its marks.
||
## Options, ON or OFF
- **Sound**: the click of a refused digit and the chime of a solved board.
- **Music**: calm background music.
- **Pad assist**: the pad greys out the digits that would clash. It starts OFF in every new game.
- **Highlight**: lights up the row, column and region under the pointer, and the digit under it elsewhere.
## The next step
**H** marks the next step on the board and says why; it places nothing and costs nothing. The **grade** above the board tells how hard the puzzle is to reason out.)",

    R"(# Keyboard
The keys work on the game screen. The **cursor** is the cell under the pointer, or the one the arrow keys moved to, which is framed; the first arrow starts at the top left.
[←] [→] :: Previous or next cell you can fill.
[↑] [↓] :: Up or down the column.
[Enter] :: Open the pad on the cursor cell.
[1 – 9] :: Enter a digit while the pad is open.
[Space] [:] :: Erase, while the pad is open.
[Pause] :: Pause the game.

The arrows pass over the given cells; left and right run on into the next row.
||
[Ctrl] [Z] :: Undo the last move.
[Ctrl] [Y] :: Redo it (or Ctrl+Shift+Z).
[M] :: Fill in every candidate.
[H] :: Show or hide the next step.
[Ctrl] [S] :: Save the game.
[Ctrl] [A] :: Hold on Congratulations for the credits.

Undo goes back as far as the dealt puzzle. M and H rest in a Challenge. Other keys do nothing.)",

    R"(# Commands, saving and printing
## Commands
- **RESTART** deals the same puzzle again: clock at zero, three hints.
- **SOLUTION** gives up and shows the whole solution.
- **MAIN MENU** ends the game and goes back to the title screen.
- **PAUSE**, or the **Pause** key, hides the digits and stops the clock.
- **HOW TO PLAY** opens these pages; the clock waits.
RESTART, SOLUTION and MAIN MENU ask first.
## Saving
**SAVE GAME**, or **Ctrl+S**, saves to a **.sv** file named after the date.
||
## Loading
**LOAD GAME** on the title screen opens a saved game where it was left, clock and pencil marks included; used hints are not saved. Close the window during a game and the next start offers to continue it.
## Printing
**PRINT** shows the puzzle as it was dealt; **Print** puts it on paper.
## Best records
**BEST RECORDS** on the title screen lists the fastest Training times and the highest Challenge scores for each level.

Good luck, and enjoy the game!)",
};

} // namespace art::help
