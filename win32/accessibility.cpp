#include "win32/accessibility.h"

// clang-format off
#include <windows.h>
#include <oleacc.h>
// clang-format on

#include <utility>

namespace torvi::win32 {
namespace {

// The system's object for a window, passed through, with its name and its painted texts (simple
// children numbered after the system's own) answered here.
class AnnotatedAccessible final : public IAccessible {
  public:
    AnnotatedAccessible(IAccessible* system, std::wstring name, std::vector<AccessibleText> texts)
        : system_(system), name_(std::move(name)), texts_(std::move(texts)) {
        system_->get_accChildCount(&ownChildren_);
    }
    ~AnnotatedAccessible() { system_->Release(); }
    AnnotatedAccessible(const AnnotatedAccessible&) = delete;
    AnnotatedAccessible& operator=(const AnnotatedAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) return E_POINTER;
        // (oleacc's IID_IAccessible is an import of data, which MinGW links as code: __uuidof.)
        if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return system_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return system_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return system_->Invoke(member, id, locale, flags, parameters, result, exception, argument);
    }

    // IAccessible: the name, the texts and the count are this object's; the rest the system's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return system_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (count == nullptr) return E_POINTER;
        *count = ownChildren_ + static_cast<long>(texts_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
        if (text(child) != nullptr) {
            *result = nullptr;
            return S_FALSE;  // a simple element, answered by this object
        }
        return system_->get_accChild(child, result);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr) return E_POINTER;
        if (const AccessibleText* shown = text(child)) return answer(shown->name, name);
        if (isSelf(child) && !name_.empty()) return answer(name_, name);
        return system_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return system_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (text(child) != nullptr) {
            role->vt = VT_I4;
            role->lVal = ROLE_SYSTEM_STATICTEXT;
            return S_OK;
        }
        return system_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (text(child) != nullptr) {
            state->vt = VT_I4;
            state->lVal = STATE_SYSTEM_READONLY;
            return S_OK;
        }
        return system_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return system_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return system_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return system_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (const AccessibleText* shown = text(child)) {
            *left = shown->screenArea.left;
            *top = shown->screenArea.top;
            *width = shown->screenArea.right - shown->screenArea.left;
            *height = shown->screenArea.bottom - shown->screenArea.top;
            return S_OK;
        }
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        for (std::size_t k = 0; k < texts_.size(); ++k) {
            if (PtInRect(&texts_[k].screenArea, POINT{x, y})) {
                child->vt = VT_I4;
                child->lVal = ownChildren_ + static_cast<long>(k) + 1;
                return S_OK;
            }
        }
        return system_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return system_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

  private:
    static bool isSelf(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }
    // The painted text a child identifier names, or none.
    const AccessibleText* text(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal <= ownChildren_) return nullptr;
        const auto k = static_cast<std::size_t>(child.lVal - ownChildren_ - 1);
        return k < texts_.size() ? &texts_[k] : nullptr;
    }
    static HRESULT answer(const std::wstring& text, BSTR* result) {
        *result = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* system_;
    std::wstring name_;
    std::vector<AccessibleText> texts_;
    long ownChildren_ = 0;
    LONG references_ = 1;
};

}  // namespace

bool answerAccessibility(HWND window, WPARAM wParam, LPARAM lParam, const std::wstring& name,
                         const std::vector<AccessibleText>& texts, LRESULT& result) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return false;
    IAccessible* system = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&system))) ||
        system == nullptr)
        return false;
    auto* annotated = new AnnotatedAccessible(system, name, texts);
    result = LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(annotated));
    annotated->Release();  // LresultFromObject holds its own reference
    return true;
}

}  // namespace torvi::win32
