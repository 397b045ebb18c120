#pragma once

#include "printout.h"

namespace comm {
class DocumentWindow;
}

namespace comm::print {

// What the summary prints, read from the document window as it is shown: its caption, its two
// information lines, the loop and delay options, which frame panels it shows, and the field
// counts of the communication it holds.
CommPrintout PrintoutFromDocument(const DocumentWindow& window);

}  // namespace comm::print
