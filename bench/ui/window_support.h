#pragma once
// Shared by the window's benchmarks and the window probe: a Dialogs that shows
// nothing, a counter of paint events, waiting for a widget's first paint, the
// sample stroke files in a temporary folder, and a window with a stroke
// loaded.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPaintEvent>
#include <QRegion>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <utility>

#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace orvik::bench {

// The window's client area in pixels: 9645 x 6825 twips.
inline constexpr int WindowWidth = 643;
inline constexpr int WindowHeight = 455;

// Nothing modal: messages vanish, the open dialog answers with `openAnswer`.
class SilentDialogs : public Dialogs {
public:
    std::optional<QString> openAnswer;

    void ShowMessage(QWidget*, const QString&, const QString&, MessageIcon) override {}
    Answer Ask(QWidget*, const QString&, const QString&, const QList<Answer>&, Answer, const QString&) override {
        return Answer::Discard;
    }
    std::optional<QString> OpenFileName(QWidget*, const CommonDialog&) override { return openAnswer; }
    void ShowModal(QDialog&) override {}
};

// Counts the paint events one widget receives and gathers their regions.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) : widget_(widget) { widget.installEventFilter(this); }
    ~PaintCounter() override { widget_.removeEventFilter(this); }

    int Count() const { return count_; }
    // The region painted since the last call.
    QRegion TakeRegion() { return std::exchange(region_, QRegion()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_ && event->type() == QEvent::Paint) {
            ++count_;
            region_ += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QWidget& widget_;
    int count_ = 0;
    QRegion region_;
};

// Runs the event loop until `counter` has seen a paint after `before` paints;
// false when none came within five seconds.
inline bool WaitForPaint(const PaintCounter& counter, int before) {
    QElapsedTimer waited;
    waited.start();
    while (counter.Count() == before) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

// What a widget would be without the editor: a plain QWidget of the window's
// size, built and shown the same way.
inline void MakeBare(QWidget& bare) {
    bare.setWindowTitle(QStringLiteral("bare"));
    bare.setFixedSize(WindowWidth, WindowHeight);
}

// samples/strokes of the checkout this file lies in (bench/ui/), or the
// folder ORVIK_SAMPLES_DIR names.
inline QString CheckoutSamples() {
    const QString chosen = qEnvironmentVariable("ORVIK_SAMPLES_DIR");
    if (!chosen.isEmpty()) return chosen;
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                           QStringLiteral("/../../samples/strokes"));
}

// The sample stroke files of the checkout, copied into a temporary folder so
// that saving never touches the checkout. The folder is also the one the
// window starts in during the benchmarks.
class SampleFolder {
public:
    // A stroke with five six-hit key frames.
    static constexpr const char* SixHitFile = "a-Cc025.atr";

    SampleFolder() {
        const QDir source(CheckoutSamples());
        for (const QString& name : source.entryList(QDir::Files)) {
            if (!QFile::copy(source.filePath(name), dir_.filePath(name))) return;
            ++copied_;
        }
    }
    bool Ready() const { return dir_.isValid() && copied_ > 0 && QFile::exists(SixHitPath()); }
    QString Path() const { return dir_.path(); }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    QString SixHitPath() const { return FilePath(QLatin1String(SixHitFile)); }

private:
    QTemporaryDir dir_;
    int copied_ = 0;
};

inline const SampleFolder& Samples() {
    static const SampleFolder samples;
    return samples;
}

// Makes `folder` the current folder for the lifetime of the object: the
// window lists the current folder when it starts.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : previous_(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~CurrentFolder() { QDir::setCurrent(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString previous_;
};

// The window with `file` loaded through the Open command, shown and painted
// once, its timer stopped so that only the benchmark ticks.
class LoadedWindow {
public:
    explicit LoadedWindow(const QString& file) : here_(Samples().Path()), window_(dialogs_), paints_(window_) {
        dialogs_.openAnswer = file;
        window_.Command2_Click();
        if (auto* timer = window_.findChild<QTimer*>(QStringLiteral("Timer1"))) timer->stop();
        window_.show();
        shown_ = WaitForPaint(paints_, 0);
        paints_.TakeRegion();
    }
    bool Ready() const { return shown_ && window_.FileDialog().FileName() == dialogs_.openAnswer; }
    MainWindow& Window() { return window_; }
    PaintCounter& Paints() { return paints_; }

private:
    CurrentFolder here_;
    SilentDialogs dialogs_;
    MainWindow window_;
    PaintCounter paints_;
    bool shown_ = false;
};

}  // namespace orvik::bench
