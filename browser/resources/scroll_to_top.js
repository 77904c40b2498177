window.scrollTo(0, 0);
