// A number box as screen readers meet it: the system's own EDIT object
// (text, caret, value, states), with the name, description and shortcut of
// the card's accessible tree and the card as its parent.
#pragma once

#include "accessibleobject.h"
#include "widetext.h"

#include "velkorn/accessibletree.h"

namespace velkorn::win32 {

// A box as the system's EDIT proxy gives it, with the name, description
// and parent of the card's tree.
class BoxAccessible final : public Unknown<BoxAccessible> {
  public:
    BoxAccessible(IAccessible* standard, IAccessible* parent, AccessibleItem item)
        : inner(standard), parent(parent), item(item) {}

    void disconnect() { parent = nullptr; }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        if (parent == nullptr) {
            return E_FAIL;
        }
        parent->AddRef();
        *out = parent;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return self(child) ? giveString(widen(item.name), out) : inner->get_accName(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return self(child) ? giveString(widen(item.description), out)
                           : inner->get_accDescription(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return self(child) ? giveString(widen(item.shortcut), out)
                           : inner->get_accKeyboardShortcut(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override {
        return inner->get_accChildCount(out);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return inner->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return inner->get_accValue(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        return inner->get_accRole(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        return inner->get_accState(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return inner->get_accHelp(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return inner->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        return inner->get_accFocus(out);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        return inner->get_accSelection(out);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return inner->get_accDefaultAction(child, out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return inner->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* width, long* height,
                                          VARIANT child) override {
        return inner->accLocation(x, y, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        return inner->accNavigate(direction, start, out);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        return inner->accHitTest(x, y, out);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return inner->accDoDefaultAction(child);
    }

  private:
    friend class Unknown<BoxAccessible>;
    ~BoxAccessible() override { inner->Release(); }
    static bool self(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }

    IAccessible* inner;
    IAccessible* parent; // the card's object, which outlives the wrappers it holds
    AccessibleItem item;
};

} // namespace velkorn::win32
