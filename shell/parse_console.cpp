#include "shell/parse_console.h"

#include "platform/host_evaluator.h"
#include "shell/palette.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <cerrno>

namespace zentabl {

ParseConsole::ParseConsole(QWidget* parent)
    : QDialog(parent), output_(new QPlainTextEdit(this)), input_(new QLineEdit(this)) {
    setWindowTitle(QFileInfo(QString::fromStdString(EvaluatorProgram())).fileName());
    setModal(true);

    QFont mono(DisplayFontFamily());
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(10);
    output_->setFont(mono);
    input_->setFont(mono);
    output_->setReadOnly(true);
    output_->setFocusPolicy(Qt::NoFocus);
    // A matrix row stays one line however many columns it has.
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette console = output_->palette();
    console.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
    console.setColor(QPalette::Text, QColor(0xd8, 0xd8, 0xd8));
    output_->setPalette(console);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(output_, 1);
    column->addWidget(input_);
    resize(720, 460);

    process_.setProcessChannelMode(QProcess::MergedChannels);
    connect(&process_, &QProcess::readyReadStandardOutput, this, &ParseConsole::ShowOutput);
    connect(&process_, &QProcess::finished, this, [this] {
        ShowOutput();
        accept();
    });
    connect(input_, &QLineEdit::returnPressed, this, &ParseConsole::SendLine);
    input_->installEventFilter(this);
}

ParseConsole::~ParseConsole() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

EvaluatorRun ParseConsole::Run() {
    EvaluatorRun run;
    const QString program = QString::fromStdString(EvaluatorProgram());
    process_.setWorkingDirectory(QDir::currentPath());
    process_.start(program, {});
    if (!process_.waitForStarted(5000)) {
        run.errorNumber = QFileInfo::exists(program) ? EACCES : ENOENT;
        return run;
    }
    run.started = true;
    input_->setFocus();
    exec();
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(2000);
    }
    run.exitStatus = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    return run;
}

void ParseConsole::SendLine() {
    const QString line = input_->text();
    input_->clear();
    if (!line.isEmpty() && (typedLines_.isEmpty() || typedLines_.constLast() != line))
        typedLines_.append(line);
    recalled_ = int(typedLines_.size());
    draft_.clear();
    // A console shows what was typed; the evaluator does not echo it.
    output_->moveCursor(QTextCursor::End);
    output_->insertPlainText(line + QLatin1Char('\n'));
    process_.write(line.toLatin1() + '\n');
}

void ParseConsole::ShowOutput() {
    QString text = QString::fromLatin1(process_.readAllStandardOutput());
    text.remove(QLatin1Char('\r'));
    if (text.isEmpty()) return;
    output_->moveCursor(QTextCursor::End);
    output_->insertPlainText(text);
    output_->ensureCursorVisible();
}

void ParseConsole::Recall(int step) {
    const int count = int(typedLines_.size());
    const int next = recalled_ + step;
    if (next < 0 || next > count) return;
    if (recalled_ == count) draft_ = input_->text();
    recalled_ = next;
    input_->setText(next == count ? draft_ : typedLines_.at(next));
}

bool ParseConsole::eventFilter(QObject* watched, QEvent* event) {
    if (watched == input_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Recall(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// As in a terminal, Escape is no way out: it would throw away the session.
void ParseConsole::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The close box ends the evaluator before it can save anything.
void ParseConsole::reject() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(2000);
    }
    QDialog::reject();
}

} // namespace zentabl
