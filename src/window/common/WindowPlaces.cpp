#include "window/common/WindowPlaces.h"

#include "table/ScreenPlace.h"
#include "table/ZoomSteps.h"
#include "window/common/SettingsFile.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

const QString kZoomEntry = QStringLiteral("table/zoom");

QString Entry(const QString& key, const char* field) {
    return QStringLiteral("windows/%1/%2").arg(key, QLatin1String(field));
}

ScreenRect FromQt(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

std::vector<ScreenRect> Screens() {
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(FromQt(screen->availableGeometry()));
    }
    return screens;
}

// Writes the place whenever it changes and the openness on show and close.
// Close, not hide: a window hidden because the table is going away was still
// open as far as the player is concerned.
class PlaceKeeper final : public QObject {
  public:
    PlaceKeeper(QWidget* window, const QString& key) : QObject(window), m_key(key) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (window->isVisible()) {
                StorePlace(*window);
            }
            break;
        case QEvent::Show:
            StoreOpen(true);
            StorePlace(*window);
            break;
        case QEvent::Close:
            StoreOpen(false);
            break;
        default:
            break;
        }
        return false;
    }

  private:
    void StorePlace(const QWidget& window) const {
        StoredSettings().setValue(Entry(m_key, "geometry"), window.saveGeometry());
    }
    void StoreOpen(bool open) const { StoredSettings().setValue(Entry(m_key, "open"), open); }

    QString m_key;
};

} // namespace

// Qt keeps the place with its screen and brings it back onto a screen that
// still exists, but may leave no more than an edge of it there; the strip
// the player takes hold of is then brought onto a screen as well. A place
// kept as a plain rectangle (before Qt kept it) is read the same way.
void WindowPlaces::Track(QWidget* window, const QString& key) {
    const StoredSettings settings;
    const bool restored =
        window->restoreGeometry(settings.value(Entry(key, "geometry")).toByteArray());
    const ScreenRect stored =
        FromQt(restored ? window->geometry() : settings.value(Entry(key, "place")).toRect());
    const auto place = PlaceOnScreens(stored, Screens());
    if (place && !(restored && *place == stored)) {
        window->setGeometry(place->left, place->top, place->width, place->height);
    }
    window->installEventFilter(new PlaceKeeper(window, key));
}

void WindowPlaces::PlaceBeside(QWidget* window, const QWidget* table, int top) {
    // A window not yet sized takes its size hint when first shown.
    // Its frame, not yet known, is taken to be as wide as the table's.
    const QSize frame = table->frameGeometry().size() - table->size();
    const QSize size = frame + (window->testAttribute(Qt::WA_Resized)
                                    ? window->size()
                                    : window->sizeHint().expandedTo(window->minimumSize()));
    constexpr int kGap = 7;
    const ScreenRect place = ::PlaceBeside(FromQt(table->frameGeometry()),
                                           {0, top, size.width(), size.height()}, kGap, Screens());
    window->move(place.left, place.top);
}

bool WindowPlaces::WasOpen(const QString& key) {
    // Only what StoreOpen writes: a damaged entry ("perhaps") would read as true.
    return StoredSettings().value(Entry(key, "open")).toString() == QLatin1String("true");
}

int WindowPlaces::StoredZoom() {
    return ParseZoom(StoredSettings().value(kZoomEntry).toString().toStdString());
}

void WindowPlaces::StoreZoom(int percent) {
    StoredSettings().setValue(kZoomEntry, QString::fromStdString(ZoomText(percent)));
}
