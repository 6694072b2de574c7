#pragma once

namespace nimbrel {

// Runs the desktop program: builds the Qt platform, the interface and the controller, and runs
// the event loop until Quit or SIGTERM, SIGINT or SIGHUP, then ends in order: the notification
// withdrawn, the clipboard handed over to a clipboard manager. A second start hands over to the
// running instance and returns 0.
// The command line is read first: its client verbs and help end the program without a GUI.
int applicationMain(int argc, char **argv);

} // namespace nimbrel
