#pragma once

// The pause and stage dialogs hold the game while they are open: the clock and the music
// stop, and the board hides its cells so a paused puzzle cannot be studied.
void HoldGame();

// Their "Continue": back to the game screen with the clock running and the music started
// again on a freshly drawn track.
void ResumeGame();
