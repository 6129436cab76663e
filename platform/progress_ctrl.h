// CProgressCtrl: a progress bar, a child of a dialog. Each step repaints the
// bar at once, so that it advances even while the caller keeps the event
// loop from running.
#pragma once

#include "platform/wnd.h"

class CProgressCtrl : public CWnd {
 public:
  // rect in the parent's client pixels; WS_BORDER draws a border, and
  // without PBS_SMOOTH the bar is drawn in segments.
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

  void SetRange32(int lower, int upper);
  // Returns the step before.
  int SetStep(int step);
  // Advances by one step, up to the upper end of the range; returns the
  // position before.
  int StepIt();
  int GetPos() const;

  bool OnMessage(UINT message, UINT id) override;

 private:
  void OnStepIt() { StepIt(); }

  static const MessageMapEntry<CProgressCtrl> kMessageMap[];
  int step_ = 10;
};
