#include "app/core/NoteRecording.h"

#include <optional>

#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/NoteRows.h"
#include "app/core/NoteSession.h"
#include "app/core/OutboxCommands.h"
#include "app/core/ProgramTemplates.h"

namespace app {

namespace {

int GridCount(int32_t property) { return int32_t(ReadMainUnitWords(kGridUnitId, property)); }

bool ReadSavedNote(const std::string& fileName, book::NoteRecord* note, std::string* why) {
  if (!book::ReadNote(NoteCellText, GridCount(prop::kGridRowCount), GridCount(prop::kGridColCount), note,
                      why))
    return false;
  note->filePath = fileName;
  note->printTitle = ReadMainUnitText(kHeaderTextEditId, prop::kEditContent);
  return true;
}

void AfterRecorded(book::NoteBook* notes, const book::NoteRecord& note) {
  OfferCustomerNames(kMainWindowId, kCustomerEditId);  // a new customer is offered at once
  // A voided note saved again stays voided; the trader is told, so it is no surprise
  // that it counts nowhere.
  if (notes->IsVoided(note.number).value)
    Tell("单据 " + note.number + " 已作废，仍按作废记入账本，不计入对账单和欠款。", kInformationIcon);
}

// The notes that wait go first, so the book ends with the newest of each.
bool OutboxSent(book::NoteBook* notes, std::string* why) {
  OutboxSending sending = SendOutbox(notes);
  if (!sending.setAsideNote.empty()) Tell(sending.setAsideNote, kInformationIcon);
  if (sending.waiting) *why = sending.why;
  return sending.waiting == 0;
}

}  // namespace

RecordOutcome RecordSavedNote(const std::string& fileName, const std::string& unreachable) {
  RecordOutcome out;
  book::NoteRecord note;
  if (!ReadSavedNote(fileName, &note, &out.why)) return out;
  bool onServer = NoteBookPlace().OnServer();
  out.why = unreachable;
  book::NoteBook* notes = unreachable.empty() ? OpenNoteBook(&out.why) : nullptr;
  if (notes && (!onServer || OutboxSent(notes, &out.why)) && notes->Record(note, &out.why)) {
    out.recorded = true;
    AfterRecorded(notes, note);
    return out;
  }
  // Behind notes still waiting, or with the server gone: into the outbox.
  bool waitsBehind = notes && onServer && OutboxWaiting() > 0;
  if (onServer && (waitsBehind || ServerUnreachable(out.why)))
    out.queued = QueueNote(note, &out.waiting, &out.why);
  return out;
}

void OfferCustomerNames(uint32_t windowId, uint32_t editBoxId) {
  std::string why;
  book::NoteBook* notes = OpenNoteBook(&why);
  if (!notes) return;
  std::string lines;
  // Names the book cannot read now are offered at the next chance.
  for (const std::string& name : notes->Customers().value) {
    if (!lines.empty()) lines += '\n';
    lines += name;
  }
  CoreCommand(rt::CoreCommand::kSetEditCompletions,
              {rt::MakeUnit(rt::tag::kEditBox, {windowId, editBoxId}), TextArg(lines)});
}

void FillRememberedPrices() {
  if (!NoteBookConfigured()) return;
  std::vector<int> rows = RowsWithNewDimensions();
  if (rows.empty()) return;
  std::string customer = NoteCustomer(), why;
  book::NoteBook* notes = customer.empty() ? nullptr : OpenNoteBook(&why);
  if (!notes || GridCount(prop::kGridColCount) <= kPriceColumn) return;
  for (int r : rows) {
    std::optional<book::LastItem> last = notes->LastItemFor(customer, NoteCellText(r, 1)).value;
    if (!last) continue;  // nothing remembered, or the book cannot tell now
    if (NoteCellText(r, kUnitColumn).empty() && !last->unit.empty())
      SetNoteCellText(r, kUnitColumn, last->unit);
    if (NoteCellText(r, kPriceColumn).empty() && !last->price.empty())
      SetNoteCellText(r, kPriceColumn, last->price);
  }
}

}  // namespace app
