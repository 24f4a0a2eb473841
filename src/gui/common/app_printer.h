#pragma once
// The application's one printer: its page set-up is shared by every window that prints, and
// kept for the whole run.

class QPrinter;

namespace qv::gui {

// Made on first use, after the application object; it goes when the application ends.
QPrinter& applicationPrinter();

}  // namespace qv::gui
