# The two commands a new user needs: `make run` and `make test`.
# Each installs the Debian packages it needs, configures and builds.
.PHONY: run test bench deps configure release debug fuzz format format-check cli clean package package-test

JOBS ?= 2
# Let ccache hit across clones in other folders (CI builds a fresh clone).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

deps:
	./scripts/install-deps.sh

# Configure alone, with the dependency guard: what a fresh machine needs first.
configure: deps
	cmake --preset release
	./scripts/check-deps.sh build/release

release: configure
	cmake --build --preset release -j $(JOBS)

debug: deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)

run: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target decaventrix decaventrix-cli
	./build/release/src/decaventrix

cli: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target decaventrix-cli

test: format-check release debug
	ctest --preset release
	ctest --preset debug
	$(MAKE) fuzz
	$(MAKE) package-test

# The Debian package, from the release build: decaventrix_<version>_amd64.deb
# here, ready for `apt-get install ./decaventrix_*.deb`.
package: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target decaventrix decaventrix-cli dvx_package_files
	rm -f build/release/package/decaventrix_*.deb
	cd build/release && cpack
	cp build/release/package/decaventrix_*.deb .

# Checks the package with lintian, installs it (as root), runs both programs
# from /usr/bin and removes it again.
package-test: package
	./scripts/package-test.sh build/release/package/decaventrix_*.deb

# Each fuzzer runs for a short time; FUZZ_SECONDS sets how long.
FUZZ_SECONDS ?= 20
fuzz: deps
	@if [ -d fuzz ]; then \
	  cmake --preset fuzz && cmake --build --preset fuzz -j $(JOBS) && \
	  ./scripts/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS); \
	fi

bench: release
	./scripts/run-benchmarks.sh build/release/bench

SOURCES = find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null

format:
	$(SOURCES) | xargs clang-format -i

# Fails, naming the files, when a source differs from clang-format's layout.
format-check: deps
	$(SOURCES) | xargs clang-format --dry-run -Werror

clean:
	rm -rf build
