#include "app/init_main_window.h"

#include "app/session.h"

namespace kelvane {

void InitMainWindow(Session& session) {
    // Every record of the session is declared with its start-up value.
    session = Session{};
}

} // namespace kelvane
