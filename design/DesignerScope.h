#pragma once
// The span of one message or command of a designer tree.

class TZkFormDesigner;

/// Marks the designer tree busy while one message or command runs on it. A handler of the
/// designer's events may end the session meanwhile: the overlays, inner designers and history
/// that the session lets go of are freed only when the outermost scope ends, since the code
/// that raised the event still runs on them. The object list and the inspector are brought in
/// step with the design at the same moment, once for the whole command.
class TDesignerScope {
public:
    explicit TDesignerScope(TZkFormDesigner* Root);
    ~TDesignerScope();
    TDesignerScope(const TDesignerScope&) = delete;
    TDesignerScope& operator=(const TDesignerScope&) = delete;

private:
    TZkFormDesigner* FRoot;
};
