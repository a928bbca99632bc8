#pragma once
// The placeholder component: a hidden text component that holds lines and
// expands their placeholders in place.
#include <string>
#include <vector>

namespace vyn {

class THoroscope;
class TLanguage;

// The font the lines are shown in: name, size and style.
struct TTransFont {
  std::string Name;
  int Size = 0;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  friend bool operator==(const TTransFont&, const TTransFont&) = default;
};

class TTransMsg {
 public:
  // The lines to work on.
  const std::vector<std::string>& TransLines() const { return transLines_; }
  void SetTransLines(std::vector<std::string> lines) { transLines_ = std::move(lines); }

  const TTransFont& Font() const { return font_; }
  // Take-a-font: copies name, size and style.
  void SetFont(const TTransFont& font) { font_ = font; }

  // Whether grave accents become line breaks; on after creation.
  bool LineBreaks() const { return lineBreaks_; }
  void SetLineBreaks(bool on) { lineBreaks_ = on; }

  // Runs ExpandPlaceholders on TransLines in place; `partner` is nullptr
  // when the person has none.
  void Translate(const THoroscope& person, const THoroscope* partner,
                 const TLanguage& language);

 private:
  std::vector<std::string> transLines_;
  TTransFont font_;
  bool lineBreaks_ = true;
};

}  // namespace vyn
