// The least a program can do to show a 456 x 653 window through SDL2: the yardstick for the
// editor's own time from start to a window on the screen.
#include <SDL.h>

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window =
        SDL_CreateWindow("minimal", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 456, 653, 0);
    if (window == nullptr) return 1;
    SDL_Event event;
    while (SDL_WaitEvent(&event) != 0) {
        if (event.type == SDL_QUIT) break;
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
