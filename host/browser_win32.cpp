#include "host/browser_win32.h"

#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>
#include <oleidl.h>

#include "host/com_win32.h"
#include "host/control_kinds_win32.h"
#include "host/controls_win32.h"
#include "host/message_loop_win32.h"
#include "host/wide_win32.h"

namespace host {

namespace {

constexpr const wchar_t* className = L"JcBrowser";

// The container side of the system's web browser object: its client site, its in-place site and
// frame, and the sink of its events. Owned by the host window; COM references keep it alive while
// the browser still holds it.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
 public:
  BrowserSite(HWND host, const ControlSpec& settings) : host_(host), settings_(settings) {}

  bool open() {
    RECT box = clientBox();
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(object_.put()))) ||
        FAILED(object_->SetClientSite(this)) ||
        FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, host_, &box)) ||
        FAILED(object_->QueryInterface(IID_PPV_ARGS(browser_.put())))) {
      close();
      return false;
    }
    browser_->put_Silent(settings_.silent ? VARIANT_TRUE : VARIANT_FALSE);
    browser_->put_Offline(settings_.offline ? VARIANT_TRUE : VARIANT_FALSE);
    adviseEvents();
    if (!settings_.address.empty()) navigate(settings_.address);
    return true;
  }

  void close() {
    if (events_) {
      events_->Unadvise(cookie_);
      events_.reset();
    }
    browser_.reset();
    active_.reset();
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
      object_.reset();
    }
  }

  bool available() const { return browser_.get() != nullptr; }

  void navigate(std::string_view address) {
    if (!browser_) return;
    BSTR url = SysAllocString(widen(address).c_str());
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(url, &empty, &empty, &empty, &empty);
    SysFreeString(url);
  }

  Text address() const {
    BSTR url = nullptr;
    if (!browser_ || FAILED(browser_->get_LocationURL(&url)) || !url) return {};
    Text text = narrow(url);
    SysFreeString(url);
    return text;
  }

  void resize() {
    ComPtr<IOleInPlaceObject> inPlace;
    if (!object_ || FAILED(object_->QueryInterface(IID_PPV_ARGS(inPlace.put())))) return;
    RECT box = clientBox();
    inPlace->SetObjectRects(&box, &box);
  }

  bool translateKey(MSG& message) {
    return active_ && active_->TranslateAccelerator(&message) == S_OK;
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (id == IID_IUnknown || id == IID_IOleClientSite) {
      *out = static_cast<IOleClientSite*>(this);
    } else if (id == IID_IOleWindow || id == IID_IOleInPlaceSite) {
      *out = static_cast<IOleInPlaceSite*>(this);
    } else if (id == IID_IOleInPlaceUIWindow || id == IID_IOleInPlaceFrame) {
      *out = static_cast<IOleInPlaceFrame*>(this);
    } else if (id == IID_IDispatch || id == DIID_DWebBrowserEvents2) {
      *out = static_cast<IDispatch*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (shared by the in-place site and the frame)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = host_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                             RECT* clip, OLEINPLACEFRAMEINFO* info) override {
    *frame = this;
    AddRef();
    *document = nullptr;
    *position = clientBox();
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(host_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow and IOleInPlaceFrame: no menus, toolbars or borders of our own.
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override {
    active_.reset();
    if (object) {
      object->AddRef();
      *active_.put() = object;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  // IDispatch: ambient properties (negative identifiers) take their defaults; of the browser's
  // events only the finished document matters, to apply the font size.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    if (id < 0) return DISP_E_MEMBERNOTFOUND;
    if (id == DISPID_DOCUMENTCOMPLETE) applyFontSize();
    return S_OK;
  }

 private:
  ~BrowserSite() = default;

  RECT clientBox() const {
    RECT box{};
    GetClientRect(host_, &box);
    return box;
  }

  void adviseEvents() {
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(browser_->QueryInterface(IID_PPV_ARGS(container.put()))) ||
        FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.put())) ||
        FAILED(events_->Advise(static_cast<IDispatch*>(this), &cookie_))) {
      events_.reset();
    }
  }

  // The zoom command takes the five text sizes 0 (smallest) to 4 (largest).
  void applyFontSize() {
    if (!browser_) return;
    VARIANT size;
    VariantInit(&size);
    size.vt = VT_I4;
    size.lVal = settings_.fontSize;
    browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &size, nullptr);
  }

  LONG references_ = 1;
  HWND host_;
  const ControlSpec& settings_;
  ComPtr<IOleObject> object_;
  ComPtr<IWebBrowser2> browser_;
  ComPtr<IOleInPlaceActiveObject> active_;
  ComPtr<IConnectionPoint> events_;
  DWORD cookie_ = 0;
};

BrowserSite* siteOf(HWND host) { return reinterpret_cast<BrowserSite*>(GetWindowLongPtrW(host, GWLP_USERDATA)); }

bool isBrowserHost(HWND window) {
  wchar_t name[16] = {};
  return GetClassNameW(window, name, 16) && lstrcmpW(name, className) == 0;
}

LRESULT CALLBACK procedure(HWND host, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto* settings = static_cast<const ControlSpec*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      auto* site = new BrowserSite(host, *settings);
      SetWindowLongPtrW(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(site));
      site->open();
      return 0;
    }
    case WM_SIZE:
      if (BrowserSite* site = siteOf(host)) site->resize();
      return 0;
    case WM_DESTROY:
      if (BrowserSite* site = siteOf(host)) {
        SetWindowLongPtrW(host, GWLP_USERDATA, 0);
        site->close();
        site->Release();
      }
      return 0;
  }
  return DefWindowProcW(host, message, wParam, lParam);
}

}  // namespace

void registerBrowserClass() { registerClass(className, procedure); }

HWND createBrowser(const ControlSpec& settings, HWND parent, int id) {
  return createChild(className, settings, parent, id, WS_CLIPCHILDREN);
}

void navigateBrowser(HWND browser, std::string_view address) {
  if (BrowserSite* site = isBrowserHost(browser) ? siteOf(browser) : nullptr) site->navigate(address);
}

Text browserAddress(HWND browser) {
  BrowserSite* site = isBrowserHost(browser) ? siteOf(browser) : nullptr;
  return site ? site->address() : Text{};
}

bool browserAvailable(HWND browser) {
  BrowserSite* site = isBrowserHost(browser) ? siteOf(browser) : nullptr;
  return site && site->available();
}

bool translateBrowserKeys(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  for (HWND window = GetFocus(); window; window = GetParent(window)) {
    if (isBrowserHost(window)) {
      BrowserSite* site = siteOf(window);
      return site && site->translateKey(message);
    }
  }
  return false;
}

}  // namespace host
