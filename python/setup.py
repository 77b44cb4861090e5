"""Builds the talfoundation module through the library's own CMake build.

The sources are the repository this folder belongs to (or
TALFOUNDATION_SOURCE_DIR). CMAKE_ARGS adds configure options, e.g.
CMAKE_ARGS="-DCMAKE_CXX_COMPILER=clang++"; CMAKE_BUILD_PARALLEL_LEVEL sets the
build's jobs. Needs CMake, a C++20 compiler, ICU, RapidJSON and pybind11.
"""

import os
import pathlib
import re
import shlex
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = pathlib.Path(__file__).resolve().parent
SOURCE_DIR = pathlib.Path(os.environ.get("TALFOUNDATION_SOURCE_DIR", HERE.parent)).resolve()


def version():
    text = (SOURCE_DIR / "TalFoundation" / "Version.h").read_text(encoding="utf-8")
    return re.search(r'kVersionText = "([0-9.]+)"', text).group(1)


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        target = pathlib.Path(self.get_ext_fullpath(ext.name)).resolve()
        build_dir = pathlib.Path(self.build_temp).resolve() / "cmake"
        configure = [
            "cmake", "-S", str(SOURCE_DIR), "-B", str(build_dir),
            "-DCMAKE_BUILD_TYPE=Release",
            f"-DPython3_EXECUTABLE={sys.executable}",
            "-DTALFOUNDATION_BUILD_PYTHON=ON",
            "-DTALFOUNDATION_BUILD_TESTS=OFF",
            "-DTALFOUNDATION_BUILD_BENCHMARKS=OFF",
            "-DTALFOUNDATION_BUILD_EXAMPLES=OFF",
            "-DTALFOUNDATION_INSTALL=OFF",
        ]
        if shutil.which("ninja") and "CMAKE_GENERATOR" not in os.environ:
            configure += ["-G", "Ninja"]
        configure += shlex.split(os.environ.get("CMAKE_ARGS", ""))
        subprocess.run(configure, check=True)
        subprocess.run(["cmake", "--build", str(build_dir), "--target", "talfoundation"], check=True)
        built = sorted((build_dir / "python").glob("talfoundation*.so")) + \
            sorted((build_dir / "python").glob("talfoundation*.pyd"))
        if not built:
            raise RuntimeError(f"CMake built no talfoundation module in {build_dir / 'python'}; "
                               "is pybind11 installed (Debian: pybind11-dev)?")
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built[0], target)


setup(
    version=version(),
    ext_modules=[CMakeExtension("talfoundation")],
    cmdclass={"build_ext": CMakeBuild},
    # The module's type stubs, as a stub-only package (PEP 561).
    packages=["talfoundation-stubs"],
    package_data={"talfoundation-stubs": ["__init__.pyi"]},
    zip_safe=False,
)
