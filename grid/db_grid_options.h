// The option sets of the data grid, by name and in their stored order.
#pragma once

#include "framework/core/enum_type.h"

namespace hm {

HM_ENUM(TDBGridOption, dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines,
        dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect)
using TDBGridOptions = Set<TDBGridOption>;

HM_ENUM(TDBGridEhOption, dghFixed3D, dghFrozen3D, dghFooter3D, dghData3D, dghHighlightFocus, dghClearSelection,
        dghAutoSortMarking, dghEnterAsTab, dghIncSearch, dghDialogFind)
using TDBGridEhOptions = Set<TDBGridEhOption>;

// What the user may do to the data through the grid.
HM_ENUM(TDataGridAllowedOperation, alopInsertEh, alopUpdateEh, alopDeleteEh, alopAppendEh)
using TDataGridAllowedOperations = Set<TDataGridAllowedOperation>;

// When the vertical bar shows: always (disabled when every record fits),
// never, or only while the records do not all fit.
HM_ENUM(TScrollBarVisibleModeEh, sbAlwaysShowEh, sbNeverShowEh, sbAutoShowEh)

inline constexpr TDataGridAllowedOperations kDefaultAllowedOperations{alopInsertEh, alopUpdateEh, alopDeleteEh,
                                                                     alopAppendEh};

inline constexpr TDBGridOptions kDefaultDBGridOptions{dgEditing,  dgTitles,    dgIndicator,
                                                      dgColumnResize, dgColLines, dgRowLines,
                                                      dgTabs,     dgConfirmDelete, dgCancelOnExit};
inline constexpr TDBGridEhOptions kDefaultDBGridEhOptions{dghFixed3D, dghHighlightFocus, dghClearSelection,
                                                          dghDialogFind};

}  // namespace hm
