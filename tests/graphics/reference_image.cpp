#include "tests/graphics/reference_image.h"

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <cstdlib>

namespace vyn::testing {
namespace {

constexpr int kChannelTolerance = 64;
constexpr double kPixelShare = 0.005;

bool Differs(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > kChannelTolerance ||
         std::abs(qGreen(a) - qGreen(b)) > kChannelTolerance ||
         std::abs(qBlue(a) - qBlue(b)) > kChannelTolerance ||
         std::abs(qAlpha(a) - qAlpha(b)) > kChannelTolerance;
}

}  // namespace

void ExpectMatchesReference(const QImage& actual, const std::string& name) {
  const QString file = QString::fromStdString(name) + ".png";
  const QImage image = actual.convertToFormat(QImage::Format_ARGB32);
  if (const char* out = std::getenv("VYN_REFERENCE_OUT")) {
    QDir().mkpath(QString::fromLocal8Bit(out));
    image.save(QDir(QString::fromLocal8Bit(out)).filePath(file));
  }
  const QImage reference =
      QImage(QDir(QStringLiteral(VYN_REFERENCE_DIR)).filePath(file))
          .convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(reference.isNull()) << "no reference image " << name;
  ASSERT_EQ(reference.size(), image.size()) << name;
  long differing = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) differing += Differs(a[x], b[x]);
  }
  const long allowed = static_cast<long>(kPixelShare * image.width() * image.height());
  EXPECT_LE(differing, allowed) << name << ": " << differing << " pixels differ";
}

}  // namespace vyn::testing
