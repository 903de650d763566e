#include "platform/high_contrast.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>

#include <windows.h>

namespace {

bool highContrastOn()
{
    HIGHCONTRASTW settings{};
    settings.cbSize = sizeof(settings);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, settings.cbSize, &settings, 0) &&
           (settings.dwFlags & HCF_HIGHCONTRASTON);
}

class SettingsWatch : public QAbstractNativeEventFilter {
public:
    explicit SettingsWatch(std::function<void(bool)> changed) : m_changed(std::move(changed)) {}

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_SETTINGCHANGE || msg->message == WM_SYSCOLORCHANGE) {
            // After Qt has read the system's new colours from the same message.
            QTimer::singleShot(0, QCoreApplication::instance(),
                               [this] { m_changed(highContrastOn()); });
        }
        return false;
    }

private:
    std::function<void(bool)> m_changed;
};

} // namespace

void followHighContrast(std::function<void(bool)> changed)
{
    changed(highContrastOn());
    // For the program's whole run.
    static SettingsWatch watch(std::move(changed));
    QCoreApplication::instance()->installNativeEventFilter(&watch);
}
