# The two commands of the README. Everything else is CMake presets.
.PHONY: run test build clean format

run:
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j "$$(nproc)"
	@./build/release/app/cmdcode

test:
	@bash scripts/test.sh

build:
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug -j "$$(nproc)"

format:
	@git ls-files '*.cpp' '*.hpp' | xargs clang-format -i

clean:
	rm -rf build
