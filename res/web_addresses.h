// The maker's web addresses, fixed at build time.
#pragma once

#define CORVANE_HOME_PAGE "https://corvane.app/"
#define CORVANE_CONTACT_PAGE "https://corvane.app/contact"

inline constexpr char HomePageUrl[] = CORVANE_HOME_PAGE;
inline constexpr char ProductPageUrl[] = "https://corvane.app/converter";
inline constexpr char ContactPageUrl[] = CORVANE_CONTACT_PAGE;
