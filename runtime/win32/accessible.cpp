#include "runtime/win32/accessible.h"

#include <oleacc.h>

#include <utility>

namespace tessel::runtime::win32 {
namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

VARIANT Self() {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

// The window under a point on the screen, as deep among the form's windows as one lies there.
HWND DeepestAt(HWND form, POINT screen) {
  for (HWND parent = form;;) {
    POINT in_parent = screen;
    ScreenToClient(parent, &in_parent);
    HWND child = ChildWindowFromPointEx(parent, in_parent, CWP_SKIPINVISIBLE);
    if (!child || child == parent) return parent;
    parent = child;
  }
}

// Active Accessibility's own object for the client area, with the role of a modal form and the
// children of the runtime's reading order; what else it tells goes to the object it wraps. The
// children are the controls' own objects, counted from 1 in reading order.
class FormAccessible : public IAccessible {
 public:
  FormAccessible(HWND form, IAccessible* standard, std::vector<HWND> read_out)
      : form_(form), standard_(standard), read_out_(std::move(read_out)) {}

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

  // IAccessible: the children and the role are ours.
  STDMETHODIMP get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(read_out_.size());
    return S_OK;
  }
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** dispatch) override {
    if (!dispatch) return E_POINTER;
    *dispatch = ChildObject(child);
    return *dispatch ? S_OK : E_INVALIDARG;
  }
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    // Only a modal form has an owner: ShowModal gives it its owner.
    if (IsSelf(child) && GetWindow(form_, GW_OWNER)) {
      role->vt = VT_I4;
      role->lVal = ROLE_SYSTEM_DIALOG;
      return S_OK;
    }
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->get_accRole(c, role); });
  }
  STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    const LONG count = static_cast<LONG>(read_out_.size());
    LONG to = 0;
    if (IsSelf(start) && direction == NAVDIR_FIRSTCHILD) to = 1;
    if (IsSelf(start) && direction == NAVDIR_LASTCHILD) to = count;
    if (IsSelf(start) && to == 0) return standard_->accNavigate(direction, start, end);
    if (!IsSelf(start) && start.vt == VT_I4 && direction == NAVDIR_NEXT) to = start.lVal + 1;
    if (!IsSelf(start) && start.vt == VT_I4 && direction == NAVDIR_PREVIOUS) to = start.lVal - 1;
    if (to == 0 && !IsSelf(start)) {
      return ForChild(start,
                      [&](IAccessible* a, VARIANT c) { return a->accNavigate(direction, c, end); });
    }
    return AsVariant(ChildObject(Child(to)), end);
  }
  STDMETHODIMP accHitTest(LONG left, LONG top, VARIANT* child) override {
    if (!child) return E_POINTER;
    HWND hit = DeepestAt(form_, POINT{left, top});
    for (size_t i = 0; i < read_out_.size(); ++i) {
      if (read_out_[i] == hit)
        return AsVariant(ChildObject(Child(static_cast<LONG>(i + 1))), child);
    }
    return standard_->accHitTest(left, top, child);
  }
  STDMETHODIMP get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    HWND focused = GetFocus();
    for (size_t i = 0; i < read_out_.size(); ++i) {
      if (read_out_[i] == focused) {
        return AsVariant(ChildObject(Child(static_cast<LONG>(i + 1))), focus);
      }
    }
    return standard_->get_accFocus(focus);
  }

  // IAccessible: about a child, its own object answers; about the form, the standard object.
  STDMETHODIMP get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->get_accName(c, name); });
  }
  STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->get_accValue(c, value); });
  }
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override {
    return ForChild(
        child, [&](IAccessible* a, VARIANT c) { return a->get_accDescription(c, description); });
  }
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->get_accState(c, state); });
  }
  STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->get_accHelp(c, help); });
  }
  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return ForChild(child,
                    [&](IAccessible* a, VARIANT c) { return a->get_accHelpTopic(file, c, topic); });
  }
  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return ForChild(
        child, [&](IAccessible* a, VARIANT c) { return a->get_accKeyboardShortcut(c, shortcut); });
  }
  STDMETHODIMP get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
    return ForChild(child,
                    [&](IAccessible* a, VARIANT c) { return a->get_accDefaultAction(c, action); });
  }
  STDMETHODIMP accSelect(LONG flags, VARIANT child) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->accSelect(flags, c); });
  }
  STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                           VARIANT child) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) {
      return a->accLocation(left, top, width, height, c);
    });
  }
  STDMETHODIMP accDoDefaultAction(VARIANT child) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->accDoDefaultAction(c); });
  }
  STDMETHODIMP put_accName(VARIANT child, BSTR name) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->put_accName(c, name); });
  }
  STDMETHODIMP put_accValue(VARIANT child, BSTR value) override {
    return ForChild(child, [&](IAccessible* a, VARIANT c) { return a->put_accValue(c, value); });
  }

 private:
  virtual ~FormAccessible() = default;

  static VARIANT Child(LONG index) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = index;
    return child;
  }

  // The control's own object for a child id, with a reference for the caller; null for any
  // other id.
  IAccessible* ChildObject(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<LONG>(read_out_.size())) {
      return nullptr;
    }
    IAccessible* object = nullptr;
    const HRESULT result = AccessibleObjectFromWindow(
        read_out_[static_cast<size_t>(child.lVal - 1)], static_cast<DWORD>(OBJID_CLIENT),
        IID_IAccessible, reinterpret_cast<void**>(&object));
    return SUCCEEDED(result) ? object : nullptr;
  }

  // A child's object as a navigation's or hit test's answer; nothing where there is none.
  static HRESULT AsVariant(IAccessible* object, VARIANT* out) {
    out->vt = object ? VT_DISPATCH : VT_EMPTY;
    out->pdispVal = object;
    return object ? S_OK : S_FALSE;
  }

  template <typename Call>
  HRESULT ForChild(const VARIANT& child, Call call) {
    if (IsSelf(child)) return call(standard_, child);
    IAccessible* object = ChildObject(child);
    if (!object) return E_INVALIDARG;
    const HRESULT result = call(object, Self());
    object->Release();
    return result;
  }

  HWND form_;
  IAccessible* standard_;
  std::vector<HWND> read_out_;
  LONG references_ = 1;
};

}  // namespace

LRESULT AnswerGetObject(HWND form, std::vector<HWND> read_out, WPARAM wparam, LPARAM lparam) {
  if (static_cast<LONG>(lparam) != static_cast<LONG>(OBJID_CLIENT)) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(form, OBJID_CLIENT, IID_IAccessible,
                                       reinterpret_cast<void**>(&standard))) ||
      !standard) {
    return 0;
  }
  auto* wrapped = new FormAccessible(form, standard, std::move(read_out));
  const LRESULT answer = LresultFromObject(IID_IAccessible, wparam, wrapped);
  wrapped->Release();  // LresultFromObject holds its own reference
  // Where it cannot hand the object over, the system's plain object is better than none.
  return FAILED(static_cast<HRESULT>(answer)) ? 0 : answer;
}

}  // namespace tessel::runtime::win32
