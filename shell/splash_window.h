#pragma once
// The start-up picture. It stays for its display time or until the first key
// press or mouse click anywhere in the program, which it takes for itself.

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace zentabl {

class SplashWindow : public QWidget {
  public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 300;

    explicit SplashWindow(QWidget* mainWindow);
    ~SplashWindow() override;

    // Shows the picture over the main window for the given time.
    void Show(int milliseconds);
    // Waits while the picture is up, at most the given time; the program
    // keeps painting meanwhile.
    void Pause(int milliseconds);
    void Dismiss();
    bool IsUp() const { return isVisible(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* mainWindow_;
    QImage picture_;
    bool filtering_ = false;
    bool swallowRelease_ = false;
};

} // namespace zentabl
