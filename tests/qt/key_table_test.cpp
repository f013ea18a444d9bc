// The key table: every key it binds is a key Qt knows, and the README's and the manual's key
// tables list exactly its keys.
#include "qt/key_table.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QKeySequence>
#include <QSet>
#include <QStringList>

namespace sw4 {
namespace {

QStringList linesOf(const char* file) {
  QFile f(QStringLiteral(SW4_SOURCE_DIR "/") + file);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
  return QString::fromUtf8(f.readAll()).split('\n');
}

QSet<QString> tableKeys() {
  QSet<QString> keys;
  for (const KeyRow& row : keyTable())
    for (const QString& k : keySequences(row)) keys << k;
  return keys;
}

QSet<QString> named(const QString& column) {
  QSet<QString> keys;
  for (const QString& k : column.split(QStringLiteral(", "))) keys << k.trimmed();
  return keys;
}

void expectSameKeys(const QSet<QString>& listed, const char* where) {
  const QSet<QString> keys = tableKeys();
  for (const QString& k : keys - listed) ADD_FAILURE() << where << " misses " << k.toStdString();
  for (const QString& k : listed - keys) ADD_FAILURE() << where << " lists " << k.toStdString();
}

TEST(KeyTableTest, EveryBoundKeyIsAKeySequence) {
  for (const KeyRow& row : keyTable()) {
    if (row.place == KeyPlace::Widget) continue;
    for (const QString& k : keySequences(row)) {
      const QKeySequence keys(k);
      EXPECT_TRUE(keys.count() == 1 && keys[0].key() != Qt::Key_unknown) << k.toStdString();
    }
  }
}

TEST(KeyTableTest, TheReadmeListsTheTableKeys) {
  QSet<QString> listed;
  bool inTable = false;
  for (const QString& line : linesOf("README.md")) {
    if (line.startsWith(QStringLiteral("| Key |"))) {
      inTable = true;
    } else if (inTable && line.startsWith('|')) {
      if (!line.startsWith(QStringLiteral("|---"))) listed += named(line.section('|', 1, 1));
    } else {
      inTable = false;
    }
  }
  expectSameKeys(listed, "README.md");
}

TEST(KeyTableTest, TheManualListsTheTableKeys) {
  QSet<QString> listed;
  bool inKeys = false, tagNext = false;
  for (const QString& line : linesOf("docs/man/sw4.1")) {
    if (line.startsWith(QStringLiteral(".SH"))) inKeys = line == QStringLiteral(".SH KEYS");
    if (inKeys && tagNext && line.startsWith(QStringLiteral(".B ")))
      listed += named(line.mid(3).remove('"'));
    tagNext = line == QStringLiteral(".TP");
  }
  expectSameKeys(listed, "sw4.1");
}

}  // namespace
}  // namespace sw4
