#pragma once
// Mouse input for the inner parts of a composite native widget (a tab bar, an item view and its
// viewport, a scroll area's scroll bars, a combo box's edit field): Qt's own routing passes over
// them, so every press reaches the window, and through it the window procedure, first; the
// window's default handling hands it on to the part. Used by the standard controls and the
// containers alike. Private to host/.

#include <QPointer>
#include <QWidget>

/// Hands the mouse and wheel events that reached a composite window on to the part under the
/// point; the part that took a press keeps the mouse until the buttons are released, as Qt's
/// implicit grab would. Children that are windows of their own take their input themselves.
class TPartInput {
public:
    explicit TPartInput(QWidget* window) : FWindow(window) {}
    /// Takes part (and everything inside it) out of Qt's mouse routing and its focus chain.
    static void MakePart(QWidget* part);
    /// Takes every descendant the window's widget made itself out of Qt's mouse routing (their
    /// focus stays as Qt set it: a combo box's field keeps the caret); call again when the
    /// widget made new ones (on ChildPolished). Popups are windows with input of their own, as
    /// the window system's drop-down lists are, and stay as they are.
    void Seal();
    /// For the window's event(): passes a mouse or wheel event on to the part under it.
    /// Answers whether it did; the event's accepted flag then is the part's answer.
    bool Forward(QEvent* e);
    /// The deepest part widget at pos (window coordinates), or null.
    QWidget* PartAt(QPoint pos) const;

private:
    QWidget* FWindow;
    QPointer<QWidget> FGrab;
};

/// Keeps the given children of a widget above their siblings, whichever sibling is made or
/// raised later: scroll bars lie over a window's children, as they would outside its client area.
void KeepOnTop(QWidget* child);
