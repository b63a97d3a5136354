#include "tools/hh/help_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "tools/hh/chm_browser.h"

namespace {

constexpr int kTopicRole = Qt::UserRole;

}  // namespace

HelpWindow::HelpWindow(ChmArchive archive, QWidget* parent)
    : QWidget(parent), browser_(new ChmBrowser(std::move(archive))), contents_(new QTreeWidget) {
  auto* splitter = new QSplitter;
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({200, 600});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  resize(820, 580);

  contents_->setHeaderHidden(true);
  fillContents();
  const auto openItem = [this](QTreeWidgetItem* item) { openTopic(item->data(0, kTopicRole).toString()); };
  connect(contents_, &QTreeWidget::itemClicked, this, openItem);
  connect(contents_, &QTreeWidget::itemActivated, this, openItem);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showPageState);
}

void HelpWindow::openTopic(const QString& topic) {
  if (!topic.isEmpty()) browser_->setSource(ChmBrowser::topicUrl(topic));
}

// Nests each entry under the last entry one level up, as the sitemap's lists do.
void HelpWindow::fillContents() {
  QList<QTreeWidgetItem*> parents;
  for (const ContentsEntry& entry : browser_->archive().topics()) {
    parents.resize(qMin<qsizetype>(entry.depth, parents.size()));
    auto* item = parents.isEmpty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.last());
    item->setText(0, entry.name);
    item->setData(0, kTopicRole, entry.local);
    parents.append(item);
  }
  contents_->expandAll();
}

// Takes the page from the signal: while it is emitted, source() still names
// the previous page.
void HelpWindow::showPageState(const QUrl& page) {
  const QString pageTitle = browser_->documentTitle();
  // The help pages are written in English only; a translation says so in the
  // title, and English shows the page's title alone.
  setWindowTitle(QCoreApplication::translate(
                     "HelpWindow", "%1",
                     "the help window's title: the page's title, and a note that the help is in English")
                     .arg(pageTitle.isEmpty() ? browser_->archive().title() : pageTitle));
  if (QTreeWidgetItem* item = itemForPage(page)) contents_->setCurrentItem(item);
}

// The entry for exactly this page and anchor, else the first entry for the page.
QTreeWidgetItem* HelpWindow::itemForPage(const QUrl& page) const {
  QTreeWidgetItem* samePage = nullptr;
  for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
    const QUrl entry = ChmBrowser::topicUrl((*it)->data(0, kTopicRole).toString());
    if (entry == page) return *it;
    if (!samePage && entry.adjusted(QUrl::RemoveFragment) == page.adjusted(QUrl::RemoveFragment))
      samePage = *it;
  }
  return samePage;
}
