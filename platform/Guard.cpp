#include "Guard.h"

#include <QCoreApplication>
#include <new>

#include "Dialogs.h"
#include "Errors.h"
#include "Text.h"

namespace platform {

void ShowException(const std::exception& error) {
    Dialogs::Current().MessageBox(error.what(), FromQString(QCoreApplication::applicationName()),
                                  MsgIcon::Error, MsgButtons::Ok);
}

bool RunGuarded(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const EAbort&) {
    } catch (const std::bad_alloc&) {
        ShowException(EOutOfResources("Out of memory"));
    } catch (const std::exception& error) {
        ShowException(error);
    }
    return false;
}

}  // namespace platform
