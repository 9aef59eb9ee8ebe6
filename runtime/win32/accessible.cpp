#include "runtime/win32/accessible.h"

#include <oleacc.h>

namespace tessel::runtime::win32 {
namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Active Accessibility's own object for the client area, with the role corrected; everything
// else goes to the object it wraps.
class FormAccessible : public IAccessible {
 public:
  FormAccessible(HWND form, IAccessible* standard) : form_(form), standard_(standard) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&references_); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      standard_->Release();
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
  STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, lcid, info);
  }
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                             DISPID* ids) override {
    return standard_->GetIDsOfNames(riid, names, count, lcid, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* exception, UINT* arg_error) override {
    return standard_->Invoke(id, riid, lcid, flags, params, result, exception, arg_error);
  }

  // IAccessible: the role is ours, the rest the standard object's.
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    // Only a modal form has an owner: ShowModal gives it its owner.
    if (IsSelf(child) && GetWindow(form_, GW_OWNER)) {
      role->vt = VT_I4;
      role->lVal = ROLE_SYSTEM_DIALOG;
      return S_OK;
    }
    return standard_->get_accRole(child, role);
  }
  STDMETHODIMP get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  STDMETHODIMP get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** dispatch) override {
    return standard_->get_accChild(child, dispatch);
  }
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
    return standard_->get_accName(child, name);
  }
  STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override {
    return standard_->get_accDescription(child, description);
  }
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  STDMETHODIMP get_accFocus(VARIANT* focus) override { return standard_->get_accFocus(focus); }
  STDMETHODIMP get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  STDMETHODIMP accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                           VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  STDMETHODIMP accHitTest(LONG left, LONG top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
  }
  STDMETHODIMP accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  STDMETHODIMP put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  STDMETHODIMP put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  virtual ~FormAccessible() = default;

  HWND form_;
  IAccessible* standard_;
  LONG references_ = 1;
};

}  // namespace

LRESULT AnswerGetObject(HWND form, WPARAM wparam, LPARAM lparam) {
  if (static_cast<LONG>(lparam) != static_cast<LONG>(OBJID_CLIENT)) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(form, OBJID_CLIENT, IID_IAccessible,
                                       reinterpret_cast<void**>(&standard))) ||
      !standard) {
    return 0;
  }
  auto* wrapped = new FormAccessible(form, standard);
  const LRESULT answer = LresultFromObject(IID_IAccessible, wparam, wrapped);
  wrapped->Release();  // LresultFromObject holds its own reference
  // Where it cannot hand the object over, the system's plain object is better than none.
  return FAILED(static_cast<HRESULT>(answer)) ? 0 : answer;
}

}  // namespace tessel::runtime::win32
