// The texts that the Help and About cards show as part of their pictures,
// line by line (split at the newlines). The asset generator paints these
// lines; the windows give them to screen readers as text laid over the
// picture where it shows them (ControlKind::PictureText).
#pragma once

namespace velkorn {

inline constexpr const char* kHelpGlossary = "Input 1 = Number 1\n"
                                             "Input 2 = Number 2\n"
                                             "Output = Result\n"
                                             "VOSB 1 = Velkorn On Screen Button 1\n"
                                             "VOSB 2 = Velkorn On Screen Button 2\n"
                                             "VAOB = Velkorn Arithmetic Operator Button\n"
                                             "VOB = Velkorn Other Button";

inline constexpr const char* kHelpSteps = "Type a number in Input 1, then a number in\n"
                                          "Input 2, then click +, -, * or / for the result.";

inline constexpr const char* kHelpContact = "E-mail: help@example.com\n"
                                            "Web: https://www.example.com/velkorn";

inline constexpr const char* kAboutHeading = "About This Calculator";

inline constexpr const char* kAboutCredit = "Designed and programmed by\n"
                                            "the Velkorn Calculator team,\n"
                                            "software design and programming,\n"
                                            "Velkorn";

inline constexpr const char* kAboutProduct = "Velkorn Calculator\n"
                                             "Version 1.0.0\n"
                                             "Product ID: VKC-100-2026-0001";

inline constexpr const char* kAboutRights = "Copyright \u00A9 2025\u20132026 Velkorn.\n"
                                            "All rights reserved. Velkorn Calculator\n"
                                            "is a product of Velkorn.";

} // namespace velkorn
