#pragma once
// Printing the chosen pages of the current application form.
#include <array>

namespace mf {

class PrintTarget;
class PrintableForm;

// Which pages a run prints: 0 cover, 1 filling instructions, 2 first page, 3 second page,
// 4 coordinate table. Elements 5 to 10 are not used.
using PageSelection = std::array<bool, 11>;
PageSelection& PrintPageSelected();

// Checks that the page is at least 209 by 296 mm, then prints the chosen pages of form (its
// kind decides which exist), each as a job of its own, page 3 of kinds 1, 2 and 5 with the
// boundary sketch, then the coordinate table, and ends with "输出完毕!" (a run that reached
// no page says that nothing was printed instead). Pages on the screen
// stay as they are. A printer failure (PrintError) passes to the caller, before any message.
void PrintSelectedPages(PrintTarget& target, PrintableForm& form, const PageSelection& selected);

} // namespace mf
