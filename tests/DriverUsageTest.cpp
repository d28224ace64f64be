// The driver's usage is made from its commands' typed arguments: each shows its word, an
// optional one in brackets, one that repeats followed by "...", a choice or a word of the
// command's own as given; the help's further lines stand under its first.
#include <gtest/gtest.h>

#include <QStringList>

#include "driver/ScriptRunner.h"

namespace {

// The usage's line of the command and the lines that continue it.
QStringList UsageOf(const QString& name) {
  const QStringList lines = driver::ScriptRunner::Usage().split(u'\n');
  QStringList found;
  for (const QString& line : lines) {
    if (line.startsWith(QStringLiteral("  ") + name + u' ')) {
      found << line;
    } else if (!found.isEmpty() && line.startsWith(QString(27, u' '))) {
      found << line;
    } else if (!found.isEmpty()) {
      break;
    }
  }
  return found;
}

TEST(DriverUsage, EachArgumentShowsItsWord) {
  const struct {
    const char* name;
    const char* start;  // of the command's line
  } kLines[] = {
      {"show", "  show [WIDGET ...]        prints \"WIDGET = text\" (no names: every control"},
      {"state", "  state WIDGET ...         prints"},
      {"cell", "  cell GRID COL ROW TEXT   selects"},
      {"answer", "  answer yes|no|ok         the answer"},
      {"decimal", "  decimal , | .            the regional"},
      {"wait", "  wait network             returns"},
      {"close", "  close                    closes the open tool window as its close box would"},
  };
  for (const auto& line : kLines) {
    EXPECT_TRUE(UsageOf(QLatin1String(line.name)).value(0).startsWith(QLatin1String(line.start)))
        << line.name;
  }
  // The help's further lines, under its first.
  EXPECT_EQ(UsageOf(QStringLiteral("show")).size(), 3);
  EXPECT_EQ(UsageOf(QStringLiteral("show")).value(2),
            QString(27, u' ') +
                QStringLiteral("GRID[col,row], GRID[col,*] or GRID[*,row] names some of them"));
}

}  // namespace
