#pragma once

namespace velkorn {

// The program's windows, as the application frame knows them.
enum class WindowId { Main, Help, About };

} // namespace velkorn
