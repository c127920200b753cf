#include "app/core/Handlers.h"

#include <cfenv>

#include "app/core/BookCommands.h"
#include "app/core/FileCommands.h"
#include "app/core/HandlerIds.h"
#include "app/core/NoteHandlers.h"
#include "app/core/OutboxCommands.h"
#include "app/core/PrintCommands.h"
#include "app/core/ProgramTemplates.h"
#include "runtime/core/RuntimeServices.h"

namespace app {

namespace {

struct Table {
  rt::EventHandler entries[kHandlerCount] = {};
  void Set(HandlerId id, rt::EventHandler h) { entries[size_t(id)] = h; }
  Table() {
    Set(HandlerId::RecalculateNote, &RecalculateNote);
    Set(HandlerId::OnMainWindowCreated, &OnMainWindowCreated);
    Set(HandlerId::FitGridToWindow, &FitGridToWindow);
    Set(HandlerId::OnCustomerChanged, &OnCustomerChanged);
    Set(HandlerId::OnDateChanged, &OnDateChanged);
    Set(HandlerId::OnHeaderTextChanged, &OnHeaderTextChanged);
    Set(HandlerId::OnOpen, &OnOpen);
    Set(HandlerId::OnSave, &OnSave);
    Set(HandlerId::OnExit, &OnExit);
    Set(HandlerId::OnMainWindowCloseRequest, &OnMainWindowCloseRequest);
    Set(HandlerId::OnCalculator, &OnCalculator);
    Set(HandlerId::OnMonthCalendar, &OnMonthCalendar);
    Set(HandlerId::OnPrintHeaderSettings, &print::OnPrintHeaderSettings);
    Set(HandlerId::OnPrintPreview, &print::OnPrintPreview);
    Set(HandlerId::OnPrint, &print::OnPrint);
    Set(HandlerId::OnAbout, &OnAbout);
    Set(HandlerId::OnUsageHelp, &OnUsageHelp);
    Set(HandlerId::OnSettingsOk, &print::OnSettingsOk);
    Set(HandlerId::OnSettingsCancel, &print::OnSettingsCancel);
    Set(HandlerId::OnNewNote, &OnNewNote);
    Set(HandlerId::OnNumberFormat, &OnNumberFormat);
    Set(HandlerId::OnNumberFormatShown, &OnNumberFormatShown);
    Set(HandlerId::OnNumberFormatChanged, &OnNumberFormatChanged);
    Set(HandlerId::OnNumberFormatOk, &OnNumberFormatOk);
    Set(HandlerId::OnNumberFormatCancel, &OnNumberFormatCancel);
    Set(HandlerId::OnHistory, &OnHistory);
    Set(HandlerId::OnHistoryShown, &OnHistoryShown);
    Set(HandlerId::OnHistoryQuery, &OnHistoryQuery);
    Set(HandlerId::OnHistoryOpenNote, &OnHistoryOpenNote);
    Set(HandlerId::OnBackupBook, &OnBackupBook);
    Set(HandlerId::OnRestoreBook, &OnRestoreBook);
    Set(HandlerId::OnPayments, &OnPayments);
    Set(HandlerId::OnPaymentsShown, &OnPaymentsShown);
    Set(HandlerId::OnPaymentCustomerChanged, &OnPaymentCustomerChanged);
    Set(HandlerId::OnPaymentChosen, &OnPaymentChosen);
    Set(HandlerId::OnRecordPayment, &OnRecordPayment);
    Set(HandlerId::OnDeletePayment, &OnDeletePayment);
    Set(HandlerId::OnClosePayments, &OnClosePayments);
    Set(HandlerId::OnStatement, &OnStatement);
    Set(HandlerId::OnStatementShown, &OnStatementShown);
    Set(HandlerId::OnStatementQuery, &OnStatementQuery);
    Set(HandlerId::OnStatementPreview, &OnStatementPreview);
    Set(HandlerId::OnStatementPrint, &OnStatementPrint);
    Set(HandlerId::OnStatementExport, &OnStatementExport);
    Set(HandlerId::OnReceivables, &OnReceivables);
    Set(HandlerId::OnReceivablesShown, &OnReceivablesShown);
    Set(HandlerId::OnReceivablesQuery, &OnReceivablesQuery);
    Set(HandlerId::OnReceivablesPreview, &OnReceivablesPreview);
    Set(HandlerId::OnReceivablesPrint, &OnReceivablesPrint);
    Set(HandlerId::OnReceivablesExport, &OnReceivablesExport);
    Set(HandlerId::OnReceivablesOpenStatement, &OnReceivablesOpenStatement);
    Set(HandlerId::OnHistoryChosen, &OnHistoryChosen);
    Set(HandlerId::OnHistoryVoid, &OnHistoryVoid);
    Set(HandlerId::OnHistoryUnvoid, &OnHistoryUnvoid);
    Set(HandlerId::OnSendOutbox, &OnSendOutbox);
    Set(HandlerId::OnBookPlace, &OnBookPlace);
    Set(HandlerId::OnBookPlaceShown, &OnBookPlaceShown);
    Set(HandlerId::OnTestConnection, &OnTestConnection);
    Set(HandlerId::OnUploadBook, &OnUploadBook);
    Set(HandlerId::OnBookPlaceOk, &OnBookPlaceOk);
    Set(HandlerId::OnBookPlaceCancel, &OnBookPlaceCancel);
  }
};

}  // namespace

const rt::HandlerTable& ProgramHandlers() {
  static const Table handlers;
  static const rt::HandlerTable table{handlers.entries, kHandlerCount};
  return table;
}

void ProgramExitRoutine() {}

int RunProgramEntry() { return RunProgramEntry(StartRequest()); }

int RunProgramEntry(const StartRequest& start) {
  rt::RuntimeServices& host = rt::Services();
  host.RuntimeNotify(rt::notify::kInitialiseHost);
  std::fesetenv(FE_DFL_ENV);  // the floating-point unit in its default state
  // The application's own initialisation has nothing to do.
  host.RuntimeNotify(rt::notify::kRegisterExitRoutine, reinterpret_cast<intptr_t>(&ProgramExitRoutine));
  host.LoadStartWindow(kMainWindowId);
  if (start.kind == StartRequest::kPrint) return print::PrintNoteFile(start.file) ? 0 : kNotGridFile;
  SendOutboxQuietly();  // printing alone never waits on a server
  if (start.kind == StartRequest::kOpen) OpenNoteFile(start.file);
  host.RunMessageLoop();
  return 0;
}

}  // namespace app
