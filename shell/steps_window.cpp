#include "shell/steps_window.h"

#include "shell/text_codec.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentabl {

namespace {

constexpr char kTitle[] = "Steps";
constexpr char kTitleSeparator[] = " - ";
constexpr int kInitialWidth = 520;
constexpr int kInitialHeight = 480;
constexpr int kEntrySpacing = 6;

} // namespace

StepsWindow::StepsWindow(QWidget* parent)
    : QDialog(parent),
      list_(new QListWidget(this)),
      note_(new QLabel(this)),
      copyText_(new QPushButton(tr("Copy as &Text"), this)),
      copyLatex_(new QPushButton(tr("Copy as &LaTeX"), this)) {
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setSpacing(kEntrySpacing);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    note_->setWordWrap(true);
    auto* close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyText_);
    buttons->addWidget(copyLatex_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(copyText_, &QPushButton::clicked,
            [this] { QGuiApplication::clipboard()->setText(ToQt(listing_.text)); });
    connect(copyLatex_, &QPushButton::clicked,
            [this] { QGuiApplication::clipboard()->setText(ToQt(listing_.latex)); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(kInitialWidth, kInitialHeight);
}

void StepsWindow::Show(const StepsListing& listing) {
    listing_ = listing;
    setWindowTitle(listing.title.empty() ? tr(kTitle)
                                         : tr(kTitle) + kTitleSeparator + ToQt(listing.title));
    note_->setText(ToQt(listing.note));
    note_->setVisible(!listing.note.empty());
    list_->clear();
    for (const std::string& entry : listing.entries)
        list_->addItem(ToQt(entry));
    const bool any = !listing.entries.empty();
    copyText_->setEnabled(any);
    copyLatex_->setEnabled(any);
    show();
    raise();
    activateWindow();
}

} // namespace zentabl
