#include "runtime/win/EditCompletions.h"

#include <objbase.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <atomic>
#include <memory>
#include <mutex>

#include "runtime/win/Gbk.h"

namespace rt::win {

//--- The list the auto-complete object enumerates --------------------------------------

// The platform may enumerate on a thread of its own and keep clones: the strings are
// shared read-only snapshots, and a replacement swaps the snapshot under the lock.
class CompletionList final : public IEnumString {
 public:
  using Items = std::shared_ptr<const std::vector<std::wstring>>;
  explicit CompletionList(Items items, size_t at = 0) : items_(std::move(items)), at_(at) {}

  void Replace(std::vector<std::wstring> items) {
    std::lock_guard<std::mutex> lock(mutex_);
    items_ = std::make_shared<const std::vector<std::wstring>>(std::move(items));
    at_ = 0;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumString)) {
      *out = static_cast<IEnumString*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  // Each string goes out in a block of the task allocator, which the caller frees.
  HRESULT STDMETHODCALLTYPE Next(ULONG count, LPOLESTR* out, ULONG* fetched) override {
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    std::lock_guard<std::mutex> lock(mutex_);
    ULONG given = 0;
    for (; given < count && at_ < items_->size(); ++given, ++at_) {
      const std::wstring& s = (*items_)[at_];
      size_t bytes = (s.size() + 1) * sizeof(wchar_t);
      out[given] = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
      if (!out[given]) {
        while (given > 0) CoTaskMemFree(out[--given]);
        if (fetched) *fetched = 0;
        return E_OUTOFMEMORY;
      }
      memcpy(out[given], s.c_str(), bytes);
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    std::lock_guard<std::mutex> lock(mutex_);
    size_t left = items_->size() - at_;
    at_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    std::lock_guard<std::mutex> lock(mutex_);
    at_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumString** out) override {
    if (!out) return E_POINTER;
    std::lock_guard<std::mutex> lock(mutex_);
    *out = new (std::nothrow) CompletionList(items_, at_);
    return *out ? S_OK : E_OUTOFMEMORY;
  }

 private:
  ~CompletionList() = default;  // through Release only

  std::atomic<ULONG> refs_{1};
  std::mutex mutex_;
  Items items_;
  size_t at_;
};

//--- The edit box's auto-complete ------------------------------------------------------

namespace {

constexpr DWORD kOptions = ACO_AUTOSUGGEST | ACO_AUTOAPPEND | ACO_UPDOWNKEYDROPSLIST;

// The object keeps a list it has read already; asks it to read the new one.
void ForgetEnumerated(IAutoComplete2* complete) {
  IAutoCompleteDropDown* dropDown = nullptr;
  if (FAILED(complete->QueryInterface(IID_IAutoCompleteDropDown, reinterpret_cast<void**>(&dropDown))))
    return;
  dropDown->ResetEnumerator();
  dropDown->Release();
}

}  // namespace

EditCompletions::~EditCompletions() {
  // The object stays attached to the edit window until that goes; only our hold ends.
  if (complete_) complete_->Release();
  if (list_) list_->Release();
}

bool EditCompletions::Set(HWND edit, std::vector<std::wstring> items) {
  if (!complete_) {
    if (items.empty()) return true;  // nothing offered, nothing to remove
    IAutoComplete2* complete = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AutoComplete, nullptr, CLSCTX_INPROC_SERVER, IID_IAutoComplete2,
                                reinterpret_cast<void**>(&complete))))
      return false;
    auto* list = new (std::nothrow) CompletionList(std::make_shared<const std::vector<std::wstring>>());
    if (!list || FAILED(complete->Init(edit, list, nullptr, nullptr))) {
      if (list) list->Release();
      complete->Release();
      return false;
    }
    complete->SetOptions(kOptions);
    complete_ = complete;
    list_ = list;
  }
  bool any = !items.empty();
  list_->Replace(std::move(items));
  ForgetEnumerated(complete_);
  complete_->Enable(any ? TRUE : FALSE);
  return true;
}

std::vector<std::wstring> CompletionLines(const std::string& gbk) {
  // '\n' and '\r' never occur inside a double-byte GBK character (trail bytes start at
  // 0x40), so the bytes can be split as they are.
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start <= gbk.size()) {
    size_t end = gbk.find('\n', start);
    if (end == std::string::npos) end = gbk.size();
    size_t stop = end > start && gbk[end - 1] == '\r' ? end - 1 : end;
    std::wstring line = stop > start ? GbkToWide(gbk.data() + start, stop - start) : std::wstring();
    if (!line.empty()) lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

}  // namespace rt::win
