#include "app/start_up_work.h"

#ifdef CARLOAN_HAVE_SESSION_BUS
#include <QDBusConnection>
#endif

namespace carloan {

std::thread start_connecting_to_session_bus() {
#ifdef CARLOAN_HAVE_SESSION_BUS
    // Qt keeps the one session connection, made or failed, for every later asker.
    return std::thread([] { QDBusConnection::sessionBus(); });
#else
    return {};
#endif
}

}  // namespace carloan
