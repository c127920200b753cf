// The handlers of the 账本 menu and its windows (BookCommands.cpp, HistoryCommands.cpp).
#pragma once

#include <string>

#include "runtime/core/EventHandler.h"

namespace app {

// The main window is created: the blank note, then the note book's part of it.
rt::HandlerResult OnMainWindowCreated(const rt::EventArgs&);

rt::HandlerResult OnNewNote(const rt::EventArgs&);

// A note about to be saved whose title has no number gets the book's next one written
// into its title (a number typed there is kept); without a book, or when it cannot
// hand one out, the note stays unnumbered and `why` (when given) says why.
void NumberUnnumberedNote(std::string* why = nullptr);

rt::HandlerResult OnNumberFormat(const rt::EventArgs&);
rt::HandlerResult OnNumberFormatShown(const rt::EventArgs&);
rt::HandlerResult OnNumberFormatChanged(const rt::EventArgs&);
rt::HandlerResult OnNumberFormatOk(const rt::EventArgs&);
rt::HandlerResult OnNumberFormatCancel(const rt::EventArgs&);

rt::HandlerResult OnHistory(const rt::EventArgs&);
rt::HandlerResult OnHistoryShown(const rt::EventArgs&);
rt::HandlerResult OnHistoryQuery(const rt::EventArgs&);
rt::HandlerResult OnHistoryOpenNote(const rt::EventArgs&);
rt::HandlerResult OnHistoryChosen(const rt::EventArgs&);  // grid event 11: row, column
rt::HandlerResult OnHistoryVoid(const rt::EventArgs&);    // 作废
rt::HandlerResult OnHistoryUnvoid(const rt::EventArgs&);  // 取消作废

// 备份账本… and 恢复账本… (BackupCommands.cpp).
rt::HandlerResult OnBackupBook(const rt::EventArgs&);
rt::HandlerResult OnRestoreBook(const rt::EventArgs&);

// 发送待上传单据 (OutboxCommands.cpp).
rt::HandlerResult OnSendOutbox(const rt::EventArgs&);

// 收款登记… (PaymentCommands.cpp).
rt::HandlerResult OnPayments(const rt::EventArgs&);
rt::HandlerResult OnPaymentsShown(const rt::EventArgs&);
rt::HandlerResult OnPaymentCustomerChanged(const rt::EventArgs&);
rt::HandlerResult OnPaymentChosen(const rt::EventArgs&);  // grid event 11: row, column
rt::HandlerResult OnRecordPayment(const rt::EventArgs&);
rt::HandlerResult OnDeletePayment(const rt::EventArgs&);
rt::HandlerResult OnClosePayments(const rt::EventArgs&);
// 客户对账单… and its window's buttons (StatementCommands.cpp).
rt::HandlerResult OnStatement(const rt::EventArgs&);
rt::HandlerResult OnStatementShown(const rt::EventArgs&);
rt::HandlerResult OnStatementQuery(const rt::EventArgs&);
rt::HandlerResult OnStatementPreview(const rt::EventArgs&);
rt::HandlerResult OnStatementPrint(const rt::EventArgs&);
rt::HandlerResult OnStatementExport(const rt::EventArgs&);
// The 客户对账单 window opened on a customer and a period (date-times).
void OpenStatementWindow(const std::string& customer, double from, double to);

// 欠款汇总… and its window (ReceivablesCommands.cpp).
rt::HandlerResult OnReceivables(const rt::EventArgs&);
rt::HandlerResult OnReceivablesShown(const rt::EventArgs&);
rt::HandlerResult OnReceivablesQuery(const rt::EventArgs&);
rt::HandlerResult OnReceivablesPreview(const rt::EventArgs&);
rt::HandlerResult OnReceivablesPrint(const rt::EventArgs&);
rt::HandlerResult OnReceivablesExport(const rt::EventArgs&);
rt::HandlerResult OnReceivablesOpenStatement(const rt::EventArgs&);  // grid event 10: row, column

// 账本位置… and its window (BookPlaceCommands.cpp).
rt::HandlerResult OnBookPlace(const rt::EventArgs&);
rt::HandlerResult OnBookPlaceShown(const rt::EventArgs&);
rt::HandlerResult OnTestConnection(const rt::EventArgs&);
rt::HandlerResult OnUploadBook(const rt::EventArgs&);
rt::HandlerResult OnBookPlaceOk(const rt::EventArgs&);
rt::HandlerResult OnBookPlaceCancel(const rt::EventArgs&);

}  // namespace app
