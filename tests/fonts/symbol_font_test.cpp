// The symbol fonts VYNS.TTF and VYNSS.TTF, loaded and drawn the way the
// program draws them: every symbol byte b of the character tables is the
// character U+F000 + b of the family "VYN Sans Serif".

#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace vyn {
namespace {

const QString kFamily = QStringLiteral("VYN Sans Serif");
const QString kFontDir = QStringLiteral(VYN_FONT_DIR);
constexpr int kPixels = 48;

// One row of symbol_bytes.tsv.
struct SymbolRow {
  int byte = 0;
  char32_t point = 0;     // U+F000 + byte
  QString table;          // body, sign, aspect, angle, mark
  QStringList indexes;    // positions in that table
  QString meaning;
  QString glyph;          // "U+xxxx" or the composed letters
  QString source;

  std::optional<char32_t> OwnPoint() const {
    if (!glyph.startsWith(QStringLiteral("U+"))) return std::nullopt;
    return glyph.mid(2).toUInt(nullptr, 16);
  }
  std::string Label() const {
    return QStringLiteral("byte %1 (%2 %3)")
        .arg(byte, 2, 16, QLatin1Char('0'))
        .arg(table, meaning)
        .toStdString();
  }
};

std::vector<SymbolRow> ReadSymbolTable() {
  QFile file(kFontDir + QStringLiteral("/symbol_bytes.tsv"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    ADD_FAILURE() << "cannot open " << file.fileName().toStdString();
    return {};
  }
  std::vector<SymbolRow> rows;
  const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
  for (qsizetype n = 1; n < lines.size(); ++n) {
    const QStringList f = lines[n].split(u'\t');
    if (f.size() != 8) {
      ADD_FAILURE() << "line " << n + 1 << " has " << f.size() << " fields";
      continue;
    }
    SymbolRow row;
    row.byte = f[0].toInt(nullptr, 16);
    row.point = f[1].mid(2).toUInt(nullptr, 16);
    row.table = f[2];
    row.indexes = f[3].split(u',');
    row.meaning = f[5];
    row.glyph = f[6];
    row.source = f[7];
    rows.push_back(row);
  }
  return rows;
}

QImage Render(const QFont& font, const QString& text) {
  QImage image(4 * kPixels, 2 * kPixels, QImage::Format_Grayscale8);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QPointF(kPixels / 2.0, 1.4 * kPixels), text);
  return image;
}

QString Text(char32_t point) { return QString::fromUcs4(&point, 1); }

int InkPixels(const QImage& image) {
  int ink = 0;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    ink += static_cast<int>(std::count_if(line, line + image.width(),
                                          [](uchar v) { return v < 128; }));
  }
  return ink;
}

// Top and bottom row of the ink, or nothing for a blank image.
std::optional<std::pair<int, int>> InkRows(const QImage& image) {
  std::optional<std::pair<int, int>> rows;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    if (std::none_of(line, line + image.width(), [](uchar v) { return v < 128; })) continue;
    if (!rows) rows = std::pair{y, y};
    rows->second = y;
  }
  return rows;
}

class SymbolFont : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QGuiApplication::instance()) {
      static int argc = 1;
      static char name[] = "font_tests";
      static char* argv[] = {name, nullptr};
      new QGuiApplication(argc, argv);  // lives until the process ends
    }
    regularId_ = QFontDatabase::addApplicationFont(kFontDir + QStringLiteral("/VYNS.TTF"));
    boldId_ = QFontDatabase::addApplicationFont(kFontDir + QStringLiteral("/VYNSS.TTF"));
    rows_ = ReadSymbolTable();
  }

  static QFont Font(bool bold) {
    QFont font(kFamily);
    font.setPixelSize(kPixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);  // no glyphs from other fonts
    return font;
  }

  static const SymbolRow* Row(int byte) {
    auto it = std::find_if(rows_.begin(), rows_.end(),
                           [byte](const SymbolRow& r) { return r.byte == byte; });
    return it == rows_.end() ? nullptr : &*it;
  }

  static inline int regularId_ = -1;
  static inline int boldId_ = -1;
  static inline std::vector<SymbolRow> rows_;
};

TEST_F(SymbolFont, BothFilesAreFacesOfOneFamily) {
  ASSERT_NE(regularId_, -1) << "VYNS.TTF did not load";
  ASSERT_NE(boldId_, -1) << "VYNSS.TTF did not load";
  EXPECT_EQ(QFontDatabase::applicationFontFamilies(regularId_), QStringList{kFamily});
  EXPECT_EQ(QFontDatabase::applicationFontFamilies(boldId_), QStringList{kFamily});

  const QFontInfo regular(Font(false));
  const QFontInfo bold(Font(true));
  EXPECT_EQ(regular.family(), kFamily);
  EXPECT_EQ(regular.styleName(), QStringLiteral("Regular"));
  EXPECT_EQ(bold.family(), kFamily);
  EXPECT_EQ(bold.styleName(), QStringLiteral("Bold"));  // the bold file, not a synthetic bold
}

TEST_F(SymbolFont, TableHasEveryByteOfTheCharacterTables) {
  struct Case {
    const char* table;
    int index;
    int byte;
  };
  std::vector<Case> cases;
  const auto add = [&cases](const char* table, std::vector<int> bytes) {
    for (int i = 0; i < static_cast<int>(bytes.size()); ++i) cases.push_back({table, i, bytes[i]});
  };
  add("body", {0xB8, 0x9B, 0xBE, 0xB1, 0xA1, 0xA5, 0x97, 0x86, 0x87, 0x88, 0xA8, 0x82});
  add("sign", {0xF7, 0x9A, 0xD0, 0x98, 0xAC, 0xAA, 0xAB, 0x85, 0x7D, 0x83, 0x8B, 0x8A});
  add("aspect",
      {0xB4, 0x23, 0xDE, 0xBC, 0xB5, 0x23, 0xB9, 0x23, 0xBA, 0xA4, 0xAD, 0x23, 0xAF, 0x8D});
  cases.insert(cases.end(), {{"angle", 1, '|'}, {"angle", 4, ']'}, {"angle", 7, 0xFE},
                             {"angle", 10, '['}, {"mark", 37, 0xB6}, {"mark", 38, '>'}});

  std::map<int, int> distinct;
  for (const Case& slot : cases) {
    SCOPED_TRACE(std::string(slot.table) + " " + std::to_string(slot.index));
    ++distinct[slot.byte];
    const SymbolRow* row = Row(slot.byte);
    ASSERT_NE(row, nullptr) << "no row for byte " << std::hex << slot.byte;
    EXPECT_EQ(row->table, QString::fromLatin1(slot.table));
    EXPECT_TRUE(row->indexes.contains(QString::number(slot.index))) << row->Label();
    EXPECT_EQ(row->point, 0xF000u + static_cast<unsigned>(slot.byte)) << row->Label();
  }
  EXPECT_EQ(rows_.size(), distinct.size()) << "rows for bytes of no table";
}

TEST_F(SymbolFont, EverySymbolDrawsInkFromThisFontInBothFaces) {
  ASSERT_FALSE(rows_.empty());
  for (bool bold : {false, true}) {
    const QFont font = Font(bold);
    const QFontMetrics metrics(font);
    for (const SymbolRow& row : rows_) {
      SCOPED_TRACE(row.Label() + (bold ? ", bold" : ", regular"));
      EXPECT_TRUE(metrics.inFontUcs4(row.point)) << "glyph missing";
      EXPECT_GT(InkPixels(Render(font, Text(row.point))), 0) << "glyph is blank";
    }
  }
}

TEST_F(SymbolFont, DifferentSymbolsDrawDifferentGlyphs) {
  for (bool bold : {false, true}) {
    const QFont font = Font(bold);
    std::map<QString, QImage> by_glyph;  // first image of each glyph
    for (const SymbolRow& row : rows_) {
      SCOPED_TRACE(row.Label() + (bold ? ", bold" : ", regular"));
      const QImage image = Render(font, Text(row.point));
      for (const auto& [glyph, other] : by_glyph) {
        if (glyph == row.glyph)
          EXPECT_EQ(image, other) << "differs from the other row with glyph " << glyph.toStdString();
        else
          EXPECT_NE(image, other) << "draws the same as glyph " << glyph.toStdString();
      }
      by_glyph.emplace(row.glyph, image);
    }
  }
}

TEST_F(SymbolFont, SymbolsAtTheirOwnCodePointsDrawLikeTheirBytes) {
  for (bool bold : {false, true}) {
    const QFont font = Font(bold);
    for (const SymbolRow& row : rows_) {
      const auto own = row.OwnPoint();
      if (!own) continue;
      SCOPED_TRACE(row.Label() + (bold ? ", bold" : ", regular"));
      EXPECT_TRUE(QFontMetrics(font).inFontUcs4(*own));
      EXPECT_EQ(Render(font, Text(*own)), Render(font, Text(row.point)));
    }
  }
}

TEST_F(SymbolFont, OrdinaryTextStaysOrdinary) {
  const QFont font = Font(false);
  const QFontMetrics metrics(font);
  EXPECT_GT(InkPixels(Render(font, QStringLiteral("Ag"))), 0);
  for (const SymbolRow& row : rows_) {
    if (row.byte >= 0x80 && row.byte < 0xA0) continue;  // control characters
    const char32_t plain = static_cast<char32_t>(row.byte);
    SCOPED_TRACE(row.Label());
    EXPECT_TRUE(metrics.inFontUcs4(plain));
    if (row.OwnPoint() == plain) continue;  // the symbol is that very character
    EXPECT_NE(Render(font, Text(plain)), Render(font, Text(row.point)))
        << "the character " << std::hex << row.byte << " draws the symbol";
  }
}

TEST_F(SymbolFont, BoldSymbolsAreHeavierThanRegularOnes) {
  for (const SymbolRow& row : rows_) {
    SCOPED_TRACE(row.Label());
    EXPECT_GT(InkPixels(Render(Font(true), Text(row.point))),
              InkPixels(Render(Font(false), Text(row.point))) * 11 / 10);
  }
}

// Symbols taken from another font must stand on the same centre line as the
// base font's symbols and have a like size.
TEST_F(SymbolFont, BorrowedSymbolsMatchTheBaseSymbols) {
  for (bool bold : {false, true}) {
    const QFont font = Font(bold);
    std::vector<double> centres, heights;
    for (const SymbolRow& row : rows_) {
      if (row.table != QStringLiteral("body") && row.table != QStringLiteral("sign")) continue;
      const auto ink = InkRows(Render(font, Text(row.point)));
      ASSERT_TRUE(ink) << row.Label();
      centres.push_back((ink->first + ink->second) / 2.0);
      heights.push_back(ink->second - ink->first + 1);
    }
    ASSERT_FALSE(centres.empty());
    std::sort(centres.begin(), centres.end());
    std::sort(heights.begin(), heights.end());
    const double centre = centres[centres.size() / 2];
    const double height = heights[heights.size() / 2];

    int borrowed = 0;
    for (const SymbolRow& row : rows_) {
      if (row.source != QStringLiteral("Symbola")) continue;
      ++borrowed;
      SCOPED_TRACE(row.Label() + (bold ? ", bold" : ", regular"));
      const auto ink = InkRows(Render(font, Text(row.point)));
      ASSERT_TRUE(ink);
      EXPECT_NEAR((ink->first + ink->second) / 2.0, centre, 0.06 * kPixels);
      const double h = ink->second - ink->first + 1;
      EXPECT_GT(h, 0.7 * height);
      EXPECT_LT(h, 1.15 * height);
    }
    EXPECT_GT(borrowed, 0);
  }
}

}  // namespace
}  // namespace vyn
