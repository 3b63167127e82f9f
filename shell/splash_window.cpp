#include "shell/splash_window.h"

#include "shell/artwork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace zentabl {

SplashWindow::SplashWindow(QWidget* mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SplashWindow::~SplashWindow() {
    Dismiss();
}

void SplashWindow::Show(int milliseconds) {
    if (mainWindow_ && mainWindow_->isMinimized()) return;
    picture_ = SplashImage(kWidth, kHeight);

    QRect over;
    if (mainWindow_ && mainWindow_->width() > 0) over = mainWindow_->frameGeometry();
    if (!over.isValid() || over.isEmpty()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            over = screen->availableGeometry();
    }
    move(over.center() - QPoint(kWidth / 2, kHeight / 2));

    qApp->installEventFilter(this);
    filtering_ = true;
    show();
    raise();
    repaint();
    QTimer::singleShot(milliseconds, this, &SplashWindow::Dismiss);
}

void SplashWindow::Pause(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (IsUp() && clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void SplashWindow::Dismiss() {
    if (filtering_ && !swallowRelease_) {
        qApp->removeEventFilter(this);
        filtering_ = false;
    }
    hide();
    if (mainWindow_) mainWindow_->update();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

// The first key or click anywhere ends the splash and goes no further; the
// release of that click is taken too, so no control sees half a click.
bool SplashWindow::eventFilter(QObject*, QEvent* event) {
    const bool up = isVisible();
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!up) return false;
        Dismiss();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        if (!up) return false;
        swallowRelease_ = true;
        Dismiss();
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonRelease:
        if (!swallowRelease_) return false;
        swallowRelease_ = false;
        Dismiss();
        return true;
    default:
        return false;
    }
}

} // namespace zentabl
