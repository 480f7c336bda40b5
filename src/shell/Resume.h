#pragma once

// A game left open when the window closes is picked up at the next start.

// On closing: a game in play is kept in the resume file; one that has ended (won, given up,
// timed out), or is still being set up, leaves none behind.
void KeepGameForNextStart();

// At start, when a resume file is there: the title asks whether to continue it. OK opens it
// as LOAD GAME would, Cancel lets it go; either way the file is gone afterwards.
void OfferResume();
