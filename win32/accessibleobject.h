// What every accessible object of the cards shares: COM's reference
// counting, IDispatch (which screen readers do not use: they call
// IAccessible directly), and handing strings and children out through
// MSAA's VARIANTs and BSTRs.
#pragma once

#include "systemfunctions.h"

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace velkorn::win32 {

// S_FALSE and no string for an empty text, as MSAA expects.
inline HRESULT giveString(const std::wstring& text, BSTR* out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = systemFunctions().allocString(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

inline void setEmpty(VARIANT* out) {
    out->vt = VT_EMPTY;
}

inline void setChild(VARIANT* out, LONG id) {
    out->vt = VT_I4;
    out->lVal = id;
}

inline void setObject(VARIANT* out, IDispatch* object) {
    object->AddRef();
    out->vt = VT_DISPATCH;
    out->pdispVal = object;
}

// What IAccessible asks of every object and the card's answers share.
template <typename Derived> class Unknown : public IAccessible {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references;
        if (left == 0) {
            delete static_cast<Derived*>(this);
        }
        return left;
    }
    // IDispatch: screen readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  protected:
    virtual ~Unknown() = default;

  private:
    ULONG references = 1;
};

} // namespace velkorn::win32
