// A front end's card together with the presenter that drives it, for the
// windows whose presenter needs nothing but the card (Help and About). Card
// is the front end's card class: built from a description, with a
// protected present() that runs the presenter's load once it exists.
#pragma once

#include "velkorn/formdescription.h"
#include "velkorn/formhost.h"

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

} // namespace velkorn
