// The application's event handlers in the order of its handler table. The window
// templates name a handler by its index here (the handler offset); -1 means none.
// RecalculateNote must stay first: the grid's edit-ended event is bound at offset 0.
#pragma once

#include <cstddef>
#include <cstdint>

namespace app {

enum class HandlerId : uint32_t {
  RecalculateNote = 0,
  OnMainWindowCreated,  // the blank note (BuildNoteLayout) and the book's part
  FitGridToWindow,
  OnCustomerChanged,
  OnDateChanged,
  OnHeaderTextChanged,
  OnOpen,
  OnSave,
  OnExit,
  OnCalculator,
  OnMonthCalendar,
  OnPrintHeaderSettings,
  OnPrintPreview,
  OnPrint,
  OnAbout,
  OnUsageHelp,
  OnSettingsOk,
  OnSettingsCancel,
  OnNewNote,
  OnNumberFormat,
  OnNumberFormatShown,
  OnNumberFormatChanged,
  OnNumberFormatOk,
  OnNumberFormatCancel,
  OnHistory,
  OnHistoryShown,
  OnHistoryQuery,
  OnHistoryOpenNote,
  OnBackupBook,
  OnRestoreBook,
  OnPayments,
  OnPaymentsShown,
  OnPaymentCustomerChanged,
  OnPaymentChosen,
  OnRecordPayment,
  OnDeletePayment,
  OnClosePayments,
  OnStatement,  // the 客户对账单 window
  OnStatementShown,
  OnStatementQuery,
  OnStatementPreview,
  OnStatementPrint,
  OnStatementExport,
  OnMainWindowCloseRequest,  // the close box asks before unsaved edits are lost
  OnReceivables,             // the 欠款汇总 window
  OnReceivablesShown,
  OnReceivablesQuery,
  OnReceivablesPreview,
  OnReceivablesPrint,
  OnReceivablesExport,
  OnReceivablesOpenStatement,
  OnHistoryChosen,
  OnHistoryVoid,
  OnHistoryUnvoid,
  OnSendOutbox,  // 发送待上传单据
  OnBookPlace,  // the 账本位置 window
  OnBookPlaceShown,
  OnTestConnection,
  OnUploadBook,
  OnBookPlaceOk,
  OnBookPlaceCancel,
  Count
};

constexpr size_t kHandlerCount = size_t(HandlerId::Count);

// The offset a template stores for a handler.
constexpr uint32_t HandlerOffset(HandlerId id) { return uint32_t(id); }

}  // namespace app
