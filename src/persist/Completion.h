#pragma once

// False while any cell is empty. On a full grid it runs the completion sequence
// (chime, next challenge stage or the win dialog) and answers true.
bool CheckGridComplete();
