#pragma once

#include <QString>

namespace art {

// help1.png .. help6.png: the pages of the help screen, drawn over the
// falling digits and the title, which show through around the panel.
void writeHelpPages(const QString& outDir);

} // namespace art
