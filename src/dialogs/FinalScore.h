#pragma once

// The score a challenge ended with, under the caption of the dialog that ends it.
void DrawFinalScore();
