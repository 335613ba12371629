#pragma once
// Enumerations and event types shared by the designer, its overlays and its history.

#include <string>

#include "host/core/Event.h"
#include "host/core/TypInfo.h"

class TDesignControl;
class TZkFormDesigner;

/// Scoped: the framework's splitter has an rsNone of its own.
enum class TRunState { rsNone, rsDesigning };
enum TDesignState { dsSelect, dsInsert };
enum TChangeType { ctSelected, ctNotSelected };
enum TOpType : uint8_t { otBounds, otDeleted, otInsert };
/// Alignment commands; the ordinal is the context-menu item's Tag (its low byte).
enum TKmAlign : uint8_t {
    daLeft,
    daRight,
    daHCenter,
    daHAverage,
    daTop,
    daBottom,
    daVCenter,
    daVAverage,
    daUndo,
    daRedo
};

using TZkSelectionChangeEvent = TEvent<void(TDesignControl* sender, TChangeType ChangeType)>;
using TZkControlClickedEvent = TEvent<void(TDesignControl* sender)>;
using TTransFieldNameEvent = TEvent<std::string(const std::string& FName)>;
using TEditPropEvent = TEvent<void(const std::string& propname, TObject* propObject)>;

ZK_DECLARE_TYPEINFO(TZkSelectionChangeEvent)
ZK_DECLARE_TYPEINFO(TZkControlClickedEvent)
ZK_DECLARE_TYPEINFO(TTransFieldNameEvent)
ZK_DECLARE_TYPEINFO(TEditPropEvent)
