#pragma once
// The codes one chart of a pair gives the topic list: the chart operations
// of the interpretation, behind an interface so that the list can be built
// from chart records and from pairs made up for a purpose.
#include <string>
#include <string_view>

namespace vyn {

class THoroscope;

class TPairCodes {
 public:
  virtual ~TPairCodes() = default;
  virtual bool Active() const = 0;
  virtual std::string FirstName() const = 0;
  virtual std::string DescendantRuler() const = 0;
  virtual std::string GetSignCode(std::string_view body) const = 0;
  virtual std::string GetHouseCode(std::string_view body) const = 0;
  virtual std::string GetOverlayHouseCode(std::string_view body) const = 0;
  virtual std::string GetAspectPolarity(std::string_view a, std::string_view b) const = 0;
  virtual std::string GetOverlayPolarity(std::string_view a, std::string_view b) const = 0;
};

// The codes of a chart record (its partner is the other chart of the pair).
class THoroscopeCodes : public TPairCodes {
 public:
  // The chart must outlive this object.
  explicit THoroscopeCodes(const THoroscope& chart) : chart_(chart) {}
  bool Active() const override;
  std::string FirstName() const override;
  std::string DescendantRuler() const override;
  std::string GetSignCode(std::string_view body) const override;
  std::string GetHouseCode(std::string_view body) const override;
  std::string GetOverlayHouseCode(std::string_view body) const override;
  std::string GetAspectPolarity(std::string_view a, std::string_view b) const override;
  std::string GetOverlayPolarity(std::string_view a, std::string_view b) const override;

 private:
  const THoroscope& chart_;
};

}  // namespace vyn
