#pragma once

namespace velkorn::ui {

// The program's windows, as the application frame knows them.
enum class WindowId { Main, Help, About };

} // namespace velkorn::ui
