#pragma once
// What the wheel window tells the windows that follow its presses and
// drops: the selection bar, which focuses on the element pressed, and the
// interpretation window, which follows the person pressed or dropped. Both
// do nothing here; the windows plug in their own overrides.
namespace vyn::desktop {

class TSelectionBarCalls {
 public:
  virtual ~TSelectionBarCalls() = default;

  // A body by its ordinal (plSun ...), a sign by its ordinal (siAries ...).
  virtual void FocusBody(int /*body*/) {}
  virtual void FocusSign(int /*sign*/) {}
  // A house or a cusp 1..12; an axis is focused as the cusp it ends on.
  virtual void FocusHouse(int /*house*/) {}
  virtual void FocusCusp(int /*cusp*/) {}
  // An entry of the chart's own aspect list.
  virtual void FocusAspect(int /*entry*/) {}
  virtual void ClearFocus() {}
};

class TInterpretationCalls {
 public:
  virtual ~TInterpretationCalls() = default;

  // The person (1 or 2) whose texts come first.
  virtual void SetCurrentPerson(int /*person*/) {}
  // A person was dropped onto a wheel: the topics are built anew for the
  // pair, starting with person 1.
  virtual void RebuildTopics() {}
};

}  // namespace vyn::desktop
