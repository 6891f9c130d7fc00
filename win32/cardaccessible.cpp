#include "cardaccessible.h"

#include "accessibleobject.h"
#include "boxaccessible.h"
#include "cardwindow.h"
#include "systemfunctions.h"
#include "widetext.h"

#include <commctrl.h>

#include <optional>
#include <utility>

namespace velkorn::win32 {

// The card as the presenter's accessible tree has it: the window or dialog
// itself (CHILDID_SELF) and its controls as simple elements by their
// place in reading order (1 on), but the boxes, which are their wrappers.
class CardAccessible final : public Unknown<CardAccessible> {
  public:
    CardAccessible(CardWindow& card, std::vector<AccessibleItem> items)
        : card(&card), items(std::move(items)), boxes(this->items.size(), nullptr) {}

    // The window is going: later calls find nothing.
    void disconnect() {
        card = nullptr;
        for (BoxAccessible*& box : boxes) {
            if (box != nullptr) {
                box->disconnect();
                box->Release();
                box = nullptr;
            }
        }
    }

    // A box's wrapper, made on first demand; null without accessibility.
    BoxAccessible* box(std::size_t index) {
        if (boxes[index] == nullptr && card != nullptr) {
            HWND edit = card->control(items[index].control);
            void* standard = nullptr;
            if (edit != nullptr && SUCCEEDED(systemFunctions().standardObject(
                                       edit, OBJID_CLIENT, IID_IAccessible, &standard))) {
                boxes[index] =
                    new BoxAccessible(static_cast<IAccessible*>(standard), this, items[index]);
            }
        }
        return boxes[index];
    }

    std::size_t boxIndex(HWND edit) const {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].role == AccessibleRole::Text && card->control(items[i].control) == edit) {
                return i;
            }
        }
        return items.size();
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        if (card == nullptr) {
            return E_FAIL;
        }
        return systemFunctions().objectFromWindow(card->handle(), static_cast<DWORD>(OBJID_WINDOW),
                                                  IID_IDispatch, reinterpret_cast<void**>(out));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override {
        *out = card != nullptr ? static_cast<long>(items.size()) : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        *out = nullptr;
        const auto index = itemIndex(child);
        if (!index) {
            return E_INVALIDARG;
        }
        if (items[*index].role != AccessibleRole::Text) {
            return S_FALSE; // a simple element of this object
        }
        BoxAccessible* wrapper = box(*index);
        if (wrapper == nullptr) {
            return E_FAIL;
        }
        wrapper->AddRef();
        *out = wrapper;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        const AccessibleItem* item = itemOf(child);
        return item != nullptr ? giveString(widen(item->name), out) : E_INVALIDARG;
    }
    // A caption that says something else than the name (the clock's
    // reading under "Time").
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        const AccessibleItem* item = itemOf(child);
        if (item == nullptr) {
            return E_INVALIDARG;
        }
        const std::string caption =
            item->control.empty() ? std::string() : card->presenter().caption(item->control);
        return giveString(widen(accessibleValue(*item, caption)), out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        const AccessibleItem* item = itemOf(child);
        if (item == nullptr) {
            return E_INVALIDARG;
        }
        return giveString(
            widen(isSelf(child) ? card->presenter().accessibleDescription() : item->description),
            out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        const AccessibleItem* item = itemOf(child);
        if (item == nullptr) {
            return E_INVALIDARG;
        }
        out->vt = VT_I4;
        out->lVal = role(item->role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        out->vt = VT_I4;
        out->lVal = 0;
        if (card == nullptr) {
            return E_FAIL;
        }
        if (isSelf(child)) {
            out->lVal = IsWindowVisible(card->handle()) ? 0 : STATE_SYSTEM_INVISIBLE;
            return S_OK;
        }
        const auto index = itemIndex(child);
        if (!index) {
            return E_INVALIDARG;
        }
        const AccessibleItem& item = items[*index];
        long state = card->presenter().isShown(item.control) ? 0 : STATE_SYSTEM_INVISIBLE;
        state |= item.readOnly ? STATE_SYSTEM_READONLY : 0;
        state |= item.focusable ? STATE_SYSTEM_FOCUSABLE : 0;
        if (card->presenter().isChecked(item.control)) {
            state |= STATE_SYSTEM_CHECKED;
        }
        out->lVal = state;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override {
        *out = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        *file = nullptr;
        *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        const auto index = itemIndex(child);
        return index ? giveString(widen(items[*index].shortcut), out) : giveString({}, out);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        setEmpty(out);
        if (card == nullptr) {
            return E_FAIL;
        }
        HWND focus = GetFocus();
        if (focus == card->handle()) {
            setChild(out, CHILDID_SELF);
            return S_OK;
        }
        const std::size_t index = boxIndex(focus);
        if (index < items.size() && box(index) != nullptr) {
            setObject(out, box(index));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        setEmpty(out);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        const auto index = itemIndex(child);
        return giveString(index && items[*index].pressable ? L"Press" : L"", out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* width, long* height,
                                          VARIANT child) override {
        if (card == nullptr) {
            return E_FAIL;
        }
        const auto index = itemIndex(child);
        if (!index && !isSelf(child)) {
            return E_INVALIDARG;
        }
        RECT area{};
        if (index) {
            area = card->controlArea(items[*index].control);
            MapWindowPoints(card->handle(), nullptr, reinterpret_cast<POINT*>(&area), 2);
        } else {
            GetWindowRect(card->handle(), &area);
        }
        *x = area.left;
        *y = area.top;
        *width = area.right - area.left;
        *height = area.bottom - area.top;
        return S_OK;
    }
    // Among the children from the card, along them from a child.
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        setEmpty(out);
        const auto from = itemIndex(start);
        std::optional<Direction> way;
        if (isSelf(start)) {
            way = direction == NAVDIR_FIRSTCHILD  ? std::optional(Direction::First)
                  : direction == NAVDIR_LASTCHILD ? std::optional(Direction::Last)
                                                  : std::nullopt;
        } else if (from) {
            way = direction == NAVDIR_NEXT       ? std::optional(Direction::Next)
                  : direction == NAVDIR_PREVIOUS ? std::optional(Direction::Previous)
                                                 : std::nullopt;
        } else {
            return E_INVALIDARG;
        }
        const auto next = way ? navigate(items.size(), from.value_or(0), *way) : std::nullopt;
        return next ? giveChild(*next, out) : S_FALSE;
    }
    // The presenters' hit-test: the control in front takes the point.
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        setEmpty(out);
        if (card == nullptr) {
            return E_FAIL;
        }
        POINT point{x, y};
        ScreenToClient(card->handle(), &point);
        RECT client;
        GetClientRect(card->handle(), &client);
        if (!PtInRect(&client, point)) {
            return S_FALSE;
        }
        const auto hit =
            card->presenter().controlAt(card->toTwips(point.x), card->toTwips(point.y));
        for (std::size_t i = 0; hit && i < items.size(); ++i) {
            if (items[i].control == *hit) {
                return giveChild(i, out);
            }
        }
        setChild(out, CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const auto index = itemIndex(child);
        if (card == nullptr || !index || !items[*index].pressable) {
            return DISP_E_MEMBERNOTFOUND;
        }
        card->presenter().accessiblePress(items[*index].control);
        return S_OK;
    }

  private:
    friend class Unknown<CardAccessible>;
    ~CardAccessible() override { disconnect(); }

    static bool isSelf(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }
    // The card's own item for CHILDID_SELF, a control's for its id; null
    // for any other or once the window is gone.
    const AccessibleItem* itemOf(const VARIANT& child) const {
        if (card != nullptr && isSelf(child)) {
            return &card->presenter().accessibleWindow();
        }
        const auto index = itemIndex(child);
        return index ? &items[*index] : nullptr;
    }
    std::optional<std::size_t> itemIndex(const VARIANT& child) const {
        if (card == nullptr || child.vt != VT_I4 || child.lVal < 1 ||
            child.lVal > static_cast<long>(items.size())) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(child.lVal - 1);
    }
    HRESULT giveChild(std::size_t index, VARIANT* out) {
        if (items[index].role == AccessibleRole::Text && box(index) != nullptr) {
            setObject(out, box(index));
        } else {
            setChild(out, static_cast<LONG>(index + 1));
        }
        return S_OK;
    }
    static long role(AccessibleRole role) {
        switch (role) {
        case AccessibleRole::Window:
            return ROLE_SYSTEM_CLIENT;
        case AccessibleRole::Dialog:
            return ROLE_SYSTEM_DIALOG;
        case AccessibleRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::RadioButton:
            return ROLE_SYSTEM_RADIOBUTTON;
        case AccessibleRole::Text:
            return ROLE_SYSTEM_TEXT;
        case AccessibleRole::Label:
        case AccessibleRole::Paragraph:
            return ROLE_SYSTEM_STATICTEXT;
        case AccessibleRole::Graphic:
            return ROLE_SYSTEM_GRAPHIC;
        }
        return ROLE_SYSTEM_CLIENT;
    }

    CardWindow* card;
    // A copy: a screen reader may hold the object after the window is gone.
    std::vector<AccessibleItem> items;
    std::vector<BoxAccessible*> boxes;
};

namespace {

// The boxes answer WM_GETOBJECT with their wrappers, so that a screen
// reader that follows the focus to a box meets the same name there.
LRESULT CALLBACK boxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
        auto* card = reinterpret_cast<CardAccessible*>(data);
        const std::size_t index = card->boxIndex(edit);
        if (BoxAccessible* wrapper = card->box(index)) {
            return systemFunctions().resultFromObject(IID_IAccessible, wParam, wrapper);
        }
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

constexpr UINT_PTR kBoxSubclass = 0x5643; // "VC"

} // namespace

CardAccessibility::CardAccessibility(CardWindow& card)
    : card(card), tree(accessibleItems(card.form())) {}

CardAccessibility::~CardAccessibility() {
    if (object == nullptr) {
        return;
    }
    // The card's controls may be gone already: only what was kept here.
    for (HWND edit : subclassed) {
        RemoveWindowSubclass(edit, &boxProcedure, kBoxSubclass);
    }
    object->disconnect();
    object->Release();
}

bool CardAccessibility::answer(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT) ||
        !systemFunctions().accessible()) {
        return false;
    }
    if (object == nullptr) {
        object = new CardAccessible(card, tree);
        for (const AccessibleItem& item : tree) {
            if (item.role == AccessibleRole::Text) {
                HWND edit = card.control(item.control);
                SetWindowSubclass(edit, &boxProcedure, kBoxSubclass,
                                  reinterpret_cast<DWORD_PTR>(object));
                subclassed.push_back(edit);
            }
        }
    }
    result = systemFunctions().resultFromObject(IID_IAccessible, wParam, object);
    return true;
}

void CardAccessibility::controlShown(std::string_view control, bool shown) {
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (tree[i].control == control) {
            NotifyWinEvent(shown ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, card.handle(),
                           OBJID_CLIENT, static_cast<LONG>(i + 1));
        }
    }
}

void CardAccessibility::controlChecked(std::string_view control) {
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (tree[i].control == control) {
            NotifyWinEvent(EVENT_OBJECT_STATECHANGE, card.handle(), OBJID_CLIENT,
                           static_cast<LONG>(i + 1));
        }
    }
}

} // namespace velkorn::win32
