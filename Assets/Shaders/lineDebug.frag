#version 410 core
in vec4 outlineColor;
out vec4 fragmentColor;

void main()
{
  fragmentColor = outlineColor;
}
