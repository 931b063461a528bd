# The editor for menu authors.
.PHONY: edit

# Builds discmenu-editor and opens it on a copy of the demo menu in
# build/edit-demo/ (made once, kept between runs; the demo's own files are
# never edited).
edit: build
	test -d build/edit-demo || cp -R examples/demo build/edit-demo
	./build/discmenu-editor build/edit-demo
