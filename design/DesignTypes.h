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
/// What restoring a history entry does: set bounds, bring back, take back an insertion, or
/// put the overlay at its place in the stacking or the tab order, lock or unlock it.
enum TOpType : uint8_t { otBounds, otDeleted, otInsert, otZOrder, otTabOrder, otLock, otProperty };
/// The context menu's commands; the ordinal is the item's Tag (its low byte). The first ten
/// align and distribute, undo and redo; the rest size, centre, stack, select and order.
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
    daRedo,
    daSameWidth,
    daSameHeight,
    daSameSize,
    daCenterHorz,
    daCenterVert,
    daBringToFront,
    daSendToBack,
    daSelectAll,
    daTabOrder,
    daLock,
    daUnlock,
    daCopy,
    daCut,
    daPaste,
    daDuplicate
};

using TZkSelectionChangeEvent = TEvent<void(TDesignControl* sender, TChangeType ChangeType)>;
using TZkControlClickedEvent = TEvent<void(TDesignControl* sender)>;
using TTransFieldNameEvent = TEvent<std::string(const std::string& FName)>;
using TEditPropEvent = TEvent<void(const std::string& propname, TObject* propObject)>;

ZK_DECLARE_TYPEINFO(TZkSelectionChangeEvent)
ZK_DECLARE_TYPEINFO(TZkControlClickedEvent)
ZK_DECLARE_TYPEINFO(TTransFieldNameEvent)
ZK_DECLARE_TYPEINFO(TEditPropEvent)
