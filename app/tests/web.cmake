# The page in a browser: added with the browser tests.
