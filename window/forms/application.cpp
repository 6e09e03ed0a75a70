#include "application.h"

#include "controls.h"
#include "forms_qt.h"

#include <QApplication>
#include <QEventLoop>

namespace forms {

void Application::SetCompatibleTextRenderingDefault(bool) {
    // Qt draws all text with one engine; there is nothing to choose.
}

void Application::EnableVisualStyles() {
    detail::ensureApplication();
    // Fusion paints controls in the colours they are given; some native
    // styles draw their own.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void Application::Run(Form& form) {
    detail::ensureApplication();
    form.showUntilClosed();
    form.Dispose();
}

void Application::DoEvents() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace forms
