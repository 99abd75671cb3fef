/* A seat for weston's headless backend, which has none: a keyboard and a
 * pointer that no one types on or moves. Without a keyboard in the seat the
 * compositor never gives a window the keyboard, so no window of a program
 * ever becomes active, and the window tests could not see where the keyboard
 * goes. With it, weston's desktop shell hands the keyboard to each window as
 * it appears and to the one below when it closes, as a desktop does. (The
 * tests send their keys to the window that has the keyboard themselves.)
 *
 * Loaded with weston --modules=<this, built as a shared object>; built by
 * tools/with-weston.sh. The three seat calls are exported by libweston but
 * declared only in its internal headers, hence the declarations here. */
#include <libweston/libweston.h>
#include <weston/weston.h>

#include <stdlib.h>

void weston_seat_init(struct weston_seat *seat, struct weston_compositor *compositor, const char *name);
int weston_seat_init_keyboard(struct weston_seat *seat, struct xkb_keymap *keymap);
int weston_seat_init_pointer(struct weston_seat *seat);

WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[])
{
	(void)argc;
	(void)argv;
	/* Lives as long as the compositor. */
	struct weston_seat *seat = calloc(1, sizeof *seat);
	if (!seat)
		return -1;
	weston_seat_init(seat, compositor, "default");
	if (weston_seat_init_pointer(seat) < 0)
		return -1;
	return weston_seat_init_keyboard(seat, NULL);
}
