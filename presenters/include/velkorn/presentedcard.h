// A front end's card together with the presenter that drives it, for the
// windows whose presenter needs nothing but the card (Help and About). Card
// is the front end's card class: built from a description, with a
// protected present() that runs the presenter's load once it exists.
#pragma once

#include "velkorn/form2description.h"
#include "velkorn/form2presenter.h"
#include "velkorn/form3description.h"
#include "velkorn/form3presenter.h"
#include "velkorn/formdescription.h"
#include "velkorn/formhost.h"

#include <memory>

namespace velkorn {

template <typename Card, typename Presenter> class PresentedCard final : public Card {
  public:
    PresentedCard(const FormDescription& description, FormHost& host)
        : Card(description), cardPresenter(host, *this, Card::dragSettings()) {
        Card::present();
    }
    Presenter& presenter() override { return cardPresenter; }

  private:
    Presenter cardPresenter;
};

// A window's card as a front end makes it: the main window of its own class
// (MainCard, built from the host alone), Help and About presented cards.
template <typename Card, typename MainCard>
std::unique_ptr<Card> makeCard(WindowId id, FormHost& host) {
    switch (id) {
    case WindowId::Help:
        return std::make_unique<PresentedCard<Card, Form2Presenter>>(form2Description(), host);
    case WindowId::About:
        return std::make_unique<PresentedCard<Card, Form3Presenter>>(form3Description(), host);
    case WindowId::Main:
        break;
    }
    return std::make_unique<MainCard>(host);
}

} // namespace velkorn
