#pragma once

class QDBusConnection;

namespace nimbrel {

// Keeps the connection reading after a huge message. libdbus stops reading a connection while the
// messages it received and that are still alive pass a limit (63 MiB, or 4096 file descriptors),
// and resumes when one of them is freed, from the thread that frees it. QtDBus reads on a thread
// of its own but frees a call to one of our objects on the main thread, where re-enabling the
// socket notifier fails ("Socket notifiers cannot be enabled or disabled from another thread"),
// so the connection would never read again. Without the limits it never stops reading; a single
// message still cannot exceed the protocol's 128 MiB. For the connection of the notifications,
// which serves nothing; the scripting interface has a BusConnection, which keeps a limit.
void liftBusReceiveLimits(const QDBusConnection &bus);

} // namespace nimbrel
