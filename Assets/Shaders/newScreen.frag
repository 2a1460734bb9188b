#version 410 core
uniform sampler2D screen;

in vec2 textureCoordinate;
out vec4 fragmentColor;

void main()
{
  // The composite starts opaque black, so what reaches the screen is opaque.
  fragmentColor = vec4(texture(screen, textureCoordinate).rgb, 1.0);
}
